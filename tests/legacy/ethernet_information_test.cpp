#include "legacy/codec/ethernet_information.h"

#include <gtest/gtest.h>

#include "legacy/response_body.h"

namespace z3mq {
namespace {

TEST(EthernetInformationResponse, ReadsAddressesFromByteEight) {
  const auto packet = ResponseBody(0x02)
                          .byte(0x77)
                          .byte(0x88)
                          .text("10.0.0.7")
                          .text("10.0.0.1")
                          .text("255.255.0")
                          .text("9100")
                          .text("0011223344AA")
                          .packet();
  ASSERT_EQ(packet[8], 8);  // the IP address's length byte
  const EthernetInformation info = readEthernetInformationResponse(packet);
  EXPECT_EQ(info.ipAddress, 0x0A000007u);
  EXPECT_EQ(info.gateway, 0x0A000001u);
  EXPECT_EQ(info.subnetMask, 0xFFFF0000u);
  EXPECT_EQ(info.localPort, "9100");
  EXPECT_EQ(info.macAddress, "0011223344AA");
}

TEST(EthernetInformationResponse, CutOffPacketLeavesLaterItemsEmpty) {
  const auto packet = ResponseBody(0x02).byte(0).byte(0).text("10.0.0.7").packet();
  const EthernetInformation info = readEthernetInformationResponse(packet);
  EXPECT_EQ(info.ipAddress, 0x0A000007u);
  EXPECT_EQ(info.gateway, 0u);  // length byte 03 takes in the 04 of the trailer
  EXPECT_EQ(info.localPort, "");
  EXPECT_EQ(info.macAddress, "");
}

}  // namespace
}  // namespace z3mq
