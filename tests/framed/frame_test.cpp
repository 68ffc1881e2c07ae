#include "framed/codec/frame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "framed/hex.h"

namespace z3mq {
namespace {

using test::hex;

struct BuildCase {
  const char* name;
  LinkKind kind;
  FramedCode code;
  const char* payload;
  const char* frame;
};

class BuildFrameTest : public testing::TestWithParam<BuildCase> {};

TEST_P(BuildFrameTest, LaysOutHeaderChecksumAndPayload) {
  const BuildCase& c = GetParam();
  EXPECT_EQ(buildFrame(c.kind, c.code, hex(c.payload)), hex(c.frame));
}

INSTANTIATE_TEST_SUITE_P(
    Requests, BuildFrameTest,
    testing::Values(
        BuildCase{"ModelNameOnSerialEmulate", LinkKind::SerialEmulate, FramedCode::ReadModelName,
                  "", "1B 1B 45 02 02 01 03 00 00 00 00 0D BF"},
        BuildCase{"ModelNameOnActualUsb", LinkKind::ActualUsb, FramedCode::ReadModelName, "",
                  "1B 1B 45 02 01 01 03 00 00 00 00 19 4F"},
        BuildCase{"EthernetInterfaceRead", LinkKind::SerialEmulate, FramedCode::ReadInterface, "00",
                  "1B 1B 45 02 02 01 13 01 00 00 00 6F 09 00"},
        BuildCase{"PrintSettingPage", LinkKind::SerialEmulate, FramedCode::PrintSettingPage,
                  "54 12 00", "1B 1B 45 02 02 02 28 03 00 00 00 C7 B8 54 12 00"},
        BuildCase{"BlackMarkDisableOnActualUsb", LinkKind::ActualUsb, FramedCode::WriteBlackMark,
                  "01 00", "1B 1B 45 02 01 02 26 02 00 00 00 9C B3 01 00"}),
    [](const auto& info) { return info.param.name; });

TEST(BuildFrame, TakesARawCodeOutsideTheCatalogue) {
  const auto frame = buildFrame(LinkKind::SerialEmulate, std::uint16_t{0xABCD});
  ASSERT_EQ(frame.size(), kFrameHeaderSize);
  EXPECT_EQ(frame[5], 0xAB);
  EXPECT_EQ(frame[6], 0xCD);
}

TEST(BuildFrame, WritesTheLengthLittleEndianAndAcceptsTheLargestPayload) {
  const std::vector<std::uint8_t> payload(kMaxRequestPayload, 0x5A);
  const auto frame = buildFrame(LinkKind::ActualUsb, FramedCode::WriteWifiSettings, payload);
  ASSERT_EQ(frame.size(), 4000u);
  EXPECT_THAT(std::vector<std::uint8_t>(frame.begin() + 7, frame.begin() + 11),
              testing::ElementsAre(0x93, 0x0F, 0x00, 0x00));
}

TEST(BuildFrame, RefusesAPayloadAboveTheLimitNamingBothSizes) {
  const std::vector<std::uint8_t> payload(kMaxRequestPayload + 1);
  try {
    buildFrame(LinkKind::SerialEmulate, FramedCode::WriteWifiSettings, payload);
    FAIL() << "no length_error";
  } catch (const std::length_error& error) {
    EXPECT_THAT(error.what(), testing::HasSubstr("3988"));
    EXPECT_THAT(error.what(), testing::HasSubstr("3987"));
  }
}

struct ReadCase {
  const char* name;
  const char* bytes;
  bool valid;
  std::uint16_t code;
  const char* payload;
};

class ReadFrameTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadFrameTest, TakesCodeAndPayloadWithinTheBytesHandedOver) {
  const ReadCase& c = GetParam();
  const auto bytes = hex(c.bytes);
  const auto frame = readFrame(bytes);
  ASSERT_EQ(frame.has_value(), c.valid);
  if (!c.valid) return;
  EXPECT_EQ(frame->code, FramedCode{c.code});
  EXPECT_EQ(std::vector<std::uint8_t>(frame->payload.begin(), frame->payload.end()),
            hex(c.payload));
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ReadFrameTest,
    testing::Values(
        ReadCase{"WithoutPayload", "1B 1B 45 02 01 01 03 00 00 00 00 19 4F", true, 0x0103, ""},
        ReadCase{"WithPayload", "1B 1B 45 02 02 01 13 01 00 00 00 6F 09 00", true, 0x0113, "00"},
        ReadCase{"WrongChecksumIsStillRead", "1B 1B 45 02 02 01 13 01 00 00 00 00 00 07", true,
                 0x0113, "07"},
        ReadCase{"PayloadEndsAtTheDeclaredLength", "1B 1B 45 02 02 01 13 01 00 00 00 00 00 07 08",
                 true, 0x0113, "07"},
        ReadCase{"DeclaredLengthBeyondTheBytesIsCut",
                 "1B 1B 45 02 02 01 18 02 00 01 00 00 00 07 08", true, 0x0118, "07 08"},
        ReadCase{"ShorterThanAHeader", "1B 1B 45 02 02 01 03 00 00 00 00 0D", false, 0, ""},
        ReadCase{"WrongStart", "1B 1B 45 03 02 01 03 00 00 00 00 0D BF", false, 0, ""}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
