#include "legacy/z3m_network_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "legacy/z3m_network_page_template.h"
#include "ui/dialog_template.h"

namespace z3mq {
namespace {

using namespace z3m_network;

WifiModuleSettings wifi() {
  return WifiModuleSettings{.ssid = "shop",
                            .password = "secret",
                            .dhcpMode = 1,
                            .ipAddress = ipv4(192, 168, 10, 10),
                            .gateway = ipv4(192, 168, 10, 1),
                            .subnetMask = ipv4(255, 255, 255, 0),
                            .dnsServer1 = ipv4(8, 8, 8, 8),
                            .dnsServer2 = ipv4(8, 8, 4, 4),
                            .macAddress = "00-11-22-33-44-AA",
                            .channel = "6",
                            .authentication = 2,
                            .transmitPower = "20",
                            .rssi = "-40"};
}

ModuleInformation module(std::uint8_t mode) {
  if (mode == 2 || mode == 3) {
    return {"BT1.0", mode,
            BluetoothModuleSettings{"POS-BT", "1234", "00-11-22-33-44-BB", "1", "-55"}};
  }
  return {"WF2.1", mode, wifi()};
}

// Controls whose enabling depends on the Wi-Fi mode.
const std::vector<int> kStationDependent{kDns1Label, kDns1,      kDns2Label, kDns2,    kAuthLabel,
                                         kAuthList,  kRssiLabel, kRssi,      kRssiUnit};

std::vector<bool> enabling(const Dialog& page) {
  std::vector<bool> enabled;
  for (int id : kStationDependent) enabled.push_back(page.isEnabled(id));
  return enabled;
}

struct EnablingCase {
  const char* name;
  std::vector<std::uint8_t> modes;  // module responses in order
  std::vector<bool> enabled;        // as kStationDependent
};

class StationEnablingTest : public testing::TestWithParam<EnablingCase> {};

// Each group follows its first control, so a field created disabled stays so until the group
// has been switched off and on again.
TEST_P(StationEnablingTest, FollowsTheLabelOfEachGroup) {
  Z3MNetworkPage page;
  for (std::uint8_t mode : GetParam().modes) page.show(module(mode));
  EXPECT_EQ(enabling(page.dialog()), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StationEnablingTest,
    testing::Values(
        EnablingCase{"AsCreated", {}, {true, false, true, false, true, false, true, true, true}},
        EnablingCase{"Station", {1}, {true, false, true, false, false, false, true, true, true}},
        EnablingCase{
            "SoftAccessPoint", {0}, {false, false, false, false, true, false, false, false, false}},
        EnablingCase{"SoftAccessPointThenStation",
                     {0, 1},
                     {true, true, true, true, false, false, true, true, true}},
        EnablingCase{"StationThenSoftAccessPoint",
                     {1, 0},
                     {false, false, false, false, true, true, false, false, false}},
        EnablingCase{"BluetoothLeavesItAlone",
                     {0, 2},
                     {false, false, false, false, true, false, false, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Z3MNetworkPage, StationModeShowsWifiDnsAndRssi) {
  Z3MNetworkPage page;
  page.show(module(1));
  const Dialog& d = page.dialog();
  EXPECT_EQ(d.text(kModuleFirmware), "WF2.1");
  EXPECT_EQ(d.selection(kWirelessModeList), 1);
  EXPECT_EQ(d.text(kSsid), "shop");
  EXPECT_EQ(d.text(kPassword), "secret");
  EXPECT_EQ(d.items(kWifiDhcpList)[static_cast<std::size_t>(d.selection(kWifiDhcpList))],
            "Static IP");
  EXPECT_EQ(d.address(kWifiIp), 0xC0A80A0Au);
  EXPECT_EQ(d.address(kWifiGateway), ipv4(192, 168, 10, 1));
  EXPECT_EQ(d.address(kWifiSubnet), ipv4(255, 255, 255, 0));
  EXPECT_EQ(d.address(kDns1), ipv4(8, 8, 8, 8));
  EXPECT_EQ(d.address(kDns2), ipv4(8, 8, 4, 4));
  EXPECT_EQ(d.text(kWifiMac), "00-11-22-33-44-AA");
  EXPECT_EQ(d.text(kChannel), "6");
  EXPECT_EQ(d.text(kTxPower), "20");
  EXPECT_EQ(d.text(kRssi), "-40");
  EXPECT_EQ(d.selection(kAuthList), -1);  // the authentication belongs to the access point
}

TEST(Z3MNetworkPage, SoftAccessPointShowsAuthenticationButNoDns) {
  Z3MNetworkPage page;
  page.show(module(0));
  const Dialog& d = page.dialog();
  EXPECT_EQ(d.selection(kAuthList), 2);
  EXPECT_EQ(d.address(kDns1), 0u);
  EXPECT_EQ(d.text(kRssi), "-   -");
}

TEST(Z3MNetworkPage, BluetoothLeavesTheWifiControlsAsTheyWere) {
  Z3MNetworkPage page;
  page.show(module(3));
  const Dialog& d = page.dialog();
  EXPECT_EQ(d.text(kModuleFirmware), "BT1.0");
  EXPECT_EQ(d.selection(kWirelessModeList), 3);
  EXPECT_EQ(d.text(kDeviceName), "POS-BT");
  EXPECT_EQ(d.text(kPinCode), "1234");
  EXPECT_EQ(d.text(kDeviceAddress), "00-11-22-33-44-BB");
  EXPECT_EQ(d.text(kBtAuth), "1");
  EXPECT_EQ(d.text(kBtRssi), "-55");
  EXPECT_EQ(d.text(kSsid), "");
  EXPECT_EQ(d.text(kWifiMac), "   -   -   -   -   ");
  EXPECT_EQ(d.address(kWifiIp), 0u);
}

TEST(Z3MNetworkPage, WirelessModeWithoutAnItemLeavesNoSelection) {
  Z3MNetworkPage page;
  page.show(module(4));
  EXPECT_EQ(page.dialog().selection(kWirelessModeList), -1);
  EXPECT_EQ(page.dialog().text(kSsid), "shop");
}

TEST(Z3MNetworkPage, EthernetInformationLeavesTheDhcpList) {
  Z3MNetworkPage page;
  EXPECT_EQ(page.dialog().selection(kEthernetDhcpList), 0);
  page.show(EthernetInformation{ipv4(10, 0, 0, 5), ipv4(10, 0, 0, 1), ipv4(255, 0, 0, 0), "9100",
                                "0011223344CC"});
  const Dialog& d = page.dialog();
  EXPECT_EQ(d.address(kEthernetIp), ipv4(10, 0, 0, 5));
  EXPECT_EQ(d.address(kEthernetGateway), ipv4(10, 0, 0, 1));
  EXPECT_EQ(d.address(kEthernetSubnet), ipv4(255, 0, 0, 0));
  EXPECT_EQ(d.text(kLocalPort), "9100");
  EXPECT_EQ(d.text(kEthernetMac), "0011223344CC");
  EXPECT_EQ(d.selection(kEthernetDhcpList), 0);
}

}  // namespace
}  // namespace z3mq
