#include "legacy/codec/response.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "legacy/response_body.h"

namespace z3mq {
namespace {

using Kind = LegacyResponseKind;

struct ClassifyCase {
  const char* name;
  std::vector<std::uint8_t> packet;
  Kind kind;
};

class ClassifyLegacyResponseTest : public testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyLegacyResponseTest, FollowsTheHandlersDispatchOrder) {
  EXPECT_EQ(classifyLegacyResponse(GetParam().packet), GetParam().kind);
}

std::vector<std::uint8_t> bytes(std::initializer_list<std::uint8_t> list) {
  return list;
}

INSTANTIATE_TEST_SUITE_P(
    Responses, ClassifyLegacyResponseTest,
    testing::Values(
        ClassifyCase{"Information", ResponseBody(0x00).text("Z3M").packet(), Kind::Information},
        ClassifyCase{"MenuSwitch", ResponseBody(0xFF).byte(9).packet(), Kind::MenuSwitch},
        ClassifyCase{"ModuleInformation", ResponseBody(0x01).text("1.0").packet(),
                     Kind::ModuleInformation},
        ClassifyCase{"EthernetInformation", ResponseBody(0x02).byte(0).packet(),
                     Kind::EthernetInformation},
        ClassifyCase{"UnknownSubCodeIgnored", ResponseBody(0x05).byte(0).packet(), Kind::Ignored},
        ClassifyCase{"NakBeatsEverySubCode", ResponseBody(0xFF).byte(0x15).packet(),
                     Kind::ModuleNotReady},
        ClassifyCase{"NakWithUnknownSubCode", ResponseBody(0x05).byte(0x15).packet(),
                     Kind::ModuleNotReady},
        ClassifyCase{"ModelNameOf21CharactersReadsAsNak",
                     ResponseBody(0x00).text(std::string(21, 'M')).packet(), Kind::ModuleNotReady},
        ClassifyCase{"WriteAcknowledged", ResponseBody(0xFF).byte(0x06).packet(0x73),
                     Kind::WriteAcknowledged},
        ClassifyCase{"SetResponseWithNakRefused", ResponseBody(0xFF).byte(0x15).packet(0x73),
                     Kind::WriteRefused},
        ClassifyCase{"AckForAnotherSubCodeRefused", ResponseBody(0xC0).byte(0x06).packet(0x73),
                     Kind::WriteRefused},
        ClassifyCase{"Presence", ResponseBody(0x00).packet(0xFF), Kind::Presence},
        ClassifyCase{"RequestEchoIgnored", ResponseBody(0x00).packet(0x49), Kind::Ignored},
        // Bytes beyond a short packet read as zero: no sub-code means sub-code 0, no status
        // byte means neither ACK nor NAK.
        ClassifyCase{"BareTrailerIsIgnored", bytes({1, 2, 3, 4}), Kind::Ignored},
        ClassifyCase{"ShortInformationResponse", bytes({1, 2, 0, 0, 0x69}), Kind::Information},
        ClassifyCase{"ShortSetResponseRefused", bytes({1, 2, 1, 0, 0x73, 0xFF}),
                     Kind::WriteRefused},
        ClassifyCase{"EmptyPacketIgnored", bytes({}), Kind::Ignored}),
    [](const auto& info) { return info.param.name; });

TEST(MenuBlockOfResponse, TakesBytesSevenToFifteen) {
  const auto packet = ResponseBody(0xFF)
                          .byte(0x09)
                          .byte(0x3C)
                          .byte(0x38)
                          .byte(0xD3)
                          .byte(0xFF)
                          .byte(0xFE)
                          .byte(0x7F)
                          .byte(0xFD)
                          .byte(0xFC)
                          .byte(0x81)
                          .packet();
  EXPECT_EQ(menuBlockOfResponse(packet),
            (MenuBlock{0x3C, 0x38, 0xD3, 0xFF, 0xFE, 0x7F, 0xFD, 0xFC, 0x81}));
}

TEST(MenuBlockOfResponse, ReadsZeroWhereAShortPacketEnds) {
  const auto packet = ResponseBody(0xFF).byte(0x09).byte(0x10).byte(0x20).packet();
  EXPECT_EQ(menuBlockOfResponse(packet), (MenuBlock{0x10, 0x20, 0x03, 0x04, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace z3mq
