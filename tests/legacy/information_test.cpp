#include "legacy/codec/information.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "legacy/response_body.h"

namespace z3mq {
namespace {

// The identity items every response carries, up to the partition.
ResponseBody identity(std::string_view modelName = "Z3M-80") {
  return ResponseBody(0x00)
      .text(modelName)
      .text("V1.02")
      .text("2024-01-15")
      .text("SN0001")
      .text("hidden")
      .text("P2");
}

PrinterInformation shownIdentity(std::optional<FontVersions> fonts,
                                 std::string modelName = "Z3M-80") {
  return {std::move(modelName), "V1.02", "2024-01-15", "SN0001", "P2", std::move(fonts)};
}

std::vector<std::uint8_t> withStatedLength(std::vector<std::uint8_t> packet, std::uint16_t n) {
  packet[2] = static_cast<std::uint8_t>(n & 0xFF);
  packet[3] = static_cast<std::uint8_t>(n >> 8);
  return packet;
}

struct InformationCase {
  const char* name;
  std::vector<std::uint8_t> packet;
  PrinterInformation expected;
};

class InformationResponseTest : public testing::TestWithParam<InformationCase> {};

TEST_P(InformationResponseTest, WalksItemsInOrder) {
  const PrinterInformation info = readInformationResponse(GetParam().packet);
  const PrinterInformation& expected = GetParam().expected;
  EXPECT_EQ(info.modelName, expected.modelName);
  EXPECT_EQ(info.firmwareVersion, expected.firmwareVersion);
  EXPECT_EQ(info.updateDate, expected.updateDate);
  EXPECT_EQ(info.serialNumber, expected.serialNumber);
  EXPECT_EQ(info.partition, expected.partition);
  ASSERT_EQ(info.fontVersions.has_value(), expected.fontVersions.has_value());
  if (expected.fontVersions) {
    EXPECT_EQ(info.fontVersions->singleByte, expected.fontVersions->singleByte);
    EXPECT_EQ(info.fontVersions->doubleByte, expected.fontVersions->doubleByte);
  }
}

const auto kWithBothFonts = identity().text("S01.02.03").text("D04.05.06").packet();

INSTANTIATE_TEST_SUITE_P(
    Responses, InformationResponseTest,
    testing::Values(
        InformationCase{"BothFontsInstalled", kWithBothFonts,
                        shownIdentity(FontVersions{"S01.02.03", "D04.05.06"})},
        InformationCase{"EndsAfterPartitionCarriesNoFonts", identity().packet(),
                        shownIdentity(std::nullopt)},
        // Item 8's length is the byte right after item 7's (empty) text.
        InformationCase{"SingleFontOfLengthZero", identity().text("").text("D04.05.06").packet(),
                        shownIdentity(FontVersions{std::nullopt, "D04.05.06"})},
        InformationCase{"DoubleFontOfLengthEight",
                        identity().text("S01.02.03").text("D04.05.0").packet(),
                        shownIdentity(FontVersions{"S01.02.03", std::nullopt})},
        InformationCase{"SingleFontOfLengthTenSkippedWhole",
                        identity().text("S01.02.03x").text("D04.05.06").packet(),
                        shownIdentity(FontVersions{std::nullopt, "D04.05.06"})},
        // The font items count only when the stated length reaches them.
        InformationCase{
            "StatedLengthStopsBeforeFonts",
            withStatedLength(kWithBothFonts,
                             static_cast<std::uint16_t>(identity().packet().size() - 7)),
            shownIdentity(std::nullopt)},
        InformationCase{
            "StatedLengthReachesOneByteIntoFonts",
            withStatedLength(kWithBothFonts,
                             static_cast<std::uint16_t>(identity().packet().size() - 6)),
            shownIdentity(FontVersions{"S01.02.03", "D04.05.06"})},
        // A length that claims font items the packet does not have finds no item there.
        InformationCase{"StatedLengthBeyondThePacket",
                        withStatedLength(identity().packet(), 0x0400),
                        shownIdentity(FontVersions{std::nullopt, std::nullopt})},
        InformationCase{"TextEndsAtZeroByteNextItemAfterFullLength",
                        identity(std::string_view("Z3M\0pad", 7)).packet(),
                        shownIdentity(std::nullopt, "Z3M")},
        InformationCase{"LongTextShownWhole", identity(std::string(40, 'x')).packet(),
                        shownIdentity(std::nullopt, std::string(40, 'x'))},
        InformationCase{"LatinOneTextAsUtf8", identity("Caf\xE9").packet(),
                        shownIdentity(std::nullopt, "Caf\xC3\xA9")},
        // The packet's own trailer is the last thing an overlong item may take in.
        InformationCase{"LengthPastEndCutAtEnd",
                        ResponseBody(0x00).text("Z3M").byte(200).byte('V').packet(),
                        {"Z3M", "V\x03\x04", "", "", "", std::nullopt}},
        InformationCase{"PacketCutInsideModelName",
                        std::vector<std::uint8_t>{1, 2, 9, 0, 0x69, 0x00, 8, 'Z', '3'},
                        {"Z3", "", "", "", "", std::nullopt}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
