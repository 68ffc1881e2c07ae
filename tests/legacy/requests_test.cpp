#include "legacy/codec/requests.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "legacy/codec/packet.h"

namespace z3mq {
namespace {

struct RequestCase {
  const char* name;
  LegacyRequest request;
  std::vector<std::uint8_t> bytes;
  bool expectsAnswer;
};

class LegacyRequestTest : public testing::TestWithParam<RequestCase> {};

TEST_P(LegacyRequestTest, ComesOutByteForByte) {
  const RequestCase& c = GetParam();
  EXPECT_EQ(c.request.bytes, c.bytes);
  EXPECT_EQ(c.request.expectsAnswer, c.expectsAnswer);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, LegacyRequestTest,
    testing::Values(
        RequestCase{"Information", informationRequest(), {1, 2, 1, 0, 0x49, 0x00, 3, 4}, true},
        RequestCase{"MenuRead", menuReadRequest(), {1, 2, 1, 0, 0x49, 0xFF, 3, 4}, true},
        RequestCase{"MenuWriteOfDefaults",
                    menuWriteRequest(encodeMenuBlock(defaultMenuSelections()).block),
                    {1, 2, 0x0B, 0, 0x53, 0xFF, 0x09, 0x00, 0x00, 0x00, 0x6B, 0x00, 0x26, 0x29,
                     0x00, 0x00, 3, 4},
                    true},
        RequestCase{"MenuWriteKeepsBlockOrder",
                    menuWriteRequest({0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x76, 0x87, 0x98}),
                    {1, 2, 0x0B, 0, 0x53, 0xFF, 0x09, 0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x76,
                     0x87, 0x98, 3, 4},
                    true},
        RequestCase{
            "SettingPage", settingPageRequest(), {1, 2, 3, 0, 0x53, 0xC0, 0x01, 0x01, 3, 4}, false},
        RequestCase{"Reset", resetRequest(), {1, 2, 3, 0, 0x53, 0xC0, 0x01, 0xFF, 3, 4}, false}),
    [](const auto& info) { return info.param.name; });

TEST(LegacyPacket, StatesItsBodyLengthLittleEndian) {
  const std::vector<std::uint8_t> body(0x1234, 0xAA);
  const auto packet = buildLegacyPacket(0x69, body);
  ASSERT_EQ(packet.size(), body.size() + 7);
  EXPECT_EQ(legacyBodyLength(packet), 0x1234);
  EXPECT_EQ(packet[2], 0x34);
  EXPECT_EQ(packet[3], 0x12);
  EXPECT_EQ(packet[packet.size() - 2], 0x03);
  EXPECT_EQ(packet.back(), 0x04);
}

TEST(LegacyPacket, RefusesABodyItsLengthFieldCannotState) {
  EXPECT_NO_THROW(buildLegacyPacket(0x69, std::vector<std::uint8_t>(0xFFFF)));
  EXPECT_THROW(buildLegacyPacket(0x69, std::vector<std::uint8_t>(0x10000)), std::length_error);
}

}  // namespace
}  // namespace z3mq
