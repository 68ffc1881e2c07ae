#include "framed/codec/identity.h"

#include <gtest/gtest.h>

#include "framed/hex.h"

namespace z3mq {
namespace {

using test::hex;

struct TextCase {
  const char* name;
  std::vector<std::uint8_t> payload;
  std::string text;
};

std::vector<std::uint8_t> informationText(std::uint16_t n, std::string_view bytes) {
  std::vector<std::uint8_t> payload(2 + bytes.size());
  payload[0] = static_cast<std::uint8_t>(n);
  payload[1] = static_cast<std::uint8_t>(n >> 8);
  std::copy(bytes.begin(), bytes.end(), payload.begin() + 2);
  return payload;
}

class InformationTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(InformationTextTest, CutsAtLengthZeroByteAndPayloadEnd) {
  EXPECT_EQ(decodeInformationText(GetParam().payload), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, InformationTextTest,
    testing::Values(TextCase{"Plain", informationText(4, "Q470"), "Q470"},
                    TextCase{"LengthShorterThanBytes", informationText(2, "Q470"), "Q4"},
                    TextCase{"LengthZero", informationText(0, "Q470"), ""},
                    TextCase{"LengthBeyondPayload", informationText(300, "Q470"), "Q470"},
                    TextCase{"ZeroByteEndsText",
                             informationText(4, std::string_view("Q4\0"
                                                                 "0",
                                                                 4)),
                             "Q4"},
                    TextCase{"LongTextShownWhole", informationText(40, std::string(40, 'x')),
                             std::string(40, 'x')},
                    TextCase{"SecondLengthByteCounts",
                             informationText(0x0100, std::string(256, 'y')), std::string(256, 'y')},
                    TextCase{"Latin1ToUtf8", informationText(1, "\xE9"), "\xC3\xA9"},
                    TextCase{"OnlyOneLengthByte", hex("05"), ""}, TextCase{"Empty", {}, ""}),
    [](const auto& info) { return info.param.name; });

struct IdentityCase {
  FramedCode code;
  const char* label;
  FramedCode next;
};

class IdentityAnswerTest : public testing::TestWithParam<IdentityCase> {};

TEST_P(IdentityAnswerTest, LabelsTheTextAndNamesTheNextRequest) {
  const IdentityAnswer* answer = findIdentityAnswer(GetParam().code);
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(identityLabel(*answer, "X1"), GetParam().label);
  EXPECT_EQ(answer->next, GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, IdentityAnswerTest,
    testing::Values(
        IdentityCase{FramedCode::ReadModelName, "Model Name: X1", FramedCode::ReadFirmwareVersion},
        IdentityCase{FramedCode::ReadFirmwareVersion, "FW Version: X1",
                     FramedCode::ReadFontVersion},
        IdentityCase{FramedCode::ReadFontVersion, "Font Version: X1", FramedCode::ReadSerialNumber},
        IdentityCase{FramedCode::ReadSerialNumber, "SN: X1", FramedCode::ReadPrintSettings}));

TEST(IdentityAnswer, EmptyTextShowsTheBarePrefixAndOtherCodesHaveNoRow) {
  EXPECT_EQ(identityLabel(*findIdentityAnswer(FramedCode::ReadSerialNumber), ""), "SN: ");
  EXPECT_EQ(findIdentityAnswer(FramedCode::ReadPrintSettings), nullptr);
}

struct CapabilityCase {
  const char* name;
  const char* firmware;
  const char* code;
  bool noNetwork;
};

class CapabilityCodeTest : public testing::TestWithParam<CapabilityCase> {};

TEST_P(CapabilityCodeTest, IsTheSecondWordOfTheFirmwareText) {
  const CapabilityCase& c = GetParam();
  const std::string code = capabilityCodeFromFirmwareLabel(
      identityLabel(*findIdentityAnswer(FramedCode::ReadFirmwareVersion), c.firmware));
  EXPECT_EQ(code, c.code);
  EXPECT_EQ(lacksNetworkModule(code), c.noNetwork);
}

INSTANTIATE_TEST_SUITE_P(
    Firmware, CapabilityCodeTest,
    testing::Values(CapabilityCase{"TwoWords", "V1.02 USEW", "USEW", false},
                    CapabilityCase{"ThreeWords", "V1.02 USEB 2024", "USEB", false},
                    CapabilityCase{"OneWord", "V1.02", "", false},
                    CapabilityCase{"Empty", "", "", false},
                    CapabilityCase{"TwoSpacesGiveTheEmptyField", "V1.02  USEW", "", false},
                    CapabilityCase{"NoNetworkModule", "V1.02 USS", "USS", true},
                    CapabilityCase{"WifiOnlyKeepsTheTab", "V1.02 USSW", "USSW", false},
                    CapabilityCase{"CaseMatters", "V1.02 uss", "uss", false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
