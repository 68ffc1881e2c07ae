#include "legacy/codec/module_information.h"

#include <gtest/gtest.h>

#include <vector>

#include "legacy/response_body.h"

namespace z3mq {
namespace {

constexpr std::uint8_t kNotInterpreted = 0x5A;

struct ModuleCase {
  const char* name;
  std::vector<std::uint8_t> packet;
  ModuleInformation expected;
};

class ModuleInformationTest : public testing::TestWithParam<ModuleCase> {};

TEST_P(ModuleInformationTest, ReadsTheItemsOfItsWirelessMode) {
  const ModuleInformation info = readModuleInformationResponse(GetParam().packet);
  const ModuleInformation& expected = GetParam().expected;
  EXPECT_EQ(info.firmwareVersion, expected.firmwareVersion);
  EXPECT_EQ(info.wirelessMode, expected.wirelessMode);
  ASSERT_EQ(info.settings.index(), expected.settings.index());
  if (const auto* wifi = std::get_if<WifiModuleSettings>(&expected.settings)) {
    const auto& got = std::get<WifiModuleSettings>(info.settings);
    EXPECT_EQ(got.ssid, wifi->ssid);
    EXPECT_EQ(got.password, wifi->password);
    EXPECT_EQ(got.dhcpMode, wifi->dhcpMode);
    EXPECT_EQ(got.ipAddress, wifi->ipAddress);
    EXPECT_EQ(got.gateway, wifi->gateway);
    EXPECT_EQ(got.subnetMask, wifi->subnetMask);
    EXPECT_EQ(got.dnsServer1, wifi->dnsServer1);
    EXPECT_EQ(got.dnsServer2, wifi->dnsServer2);
    EXPECT_EQ(got.macAddress, wifi->macAddress);
    EXPECT_EQ(got.channel, wifi->channel);
    EXPECT_EQ(got.authentication, wifi->authentication);
    EXPECT_EQ(got.transmitPower, wifi->transmitPower);
    EXPECT_EQ(got.rssi, wifi->rssi);
  } else {
    EXPECT_TRUE(std::get<BluetoothModuleSettings>(info.settings) ==
                std::get<BluetoothModuleSettings>(expected.settings));
  }
}

// The items every Wi-Fi mode sends up to the subnet mask.
ResponseBody wifiHead(std::uint8_t mode) {
  return ResponseBody(0x01)
      .text("ESP-2.1")
      .byte(kNotInterpreted)
      .byte(mode)
      .text("Shop")
      .text("secret12")
      .byte(kNotInterpreted)
      .byte(1)
      .text("192.168.0.50")
      .text("192.168.0.1")
      .text("255.255.255.0");
}

WifiModuleSettings wifiHeadShown() {
  WifiModuleSettings wifi;
  wifi.ssid = "Shop";
  wifi.password = "secret12";
  wifi.dhcpMode = 1;
  wifi.ipAddress = 0xC0A80032;
  wifi.gateway = 0xC0A80001;
  wifi.subnetMask = 0xFFFFFF00;
  wifi.macAddress = "24-0A-C4-00-11-AA";
  return wifi;
}

ModuleInformation softAccessPoint() {
  WifiModuleSettings wifi = wifiHeadShown();
  wifi.channel = "6";
  wifi.authentication = 3;
  wifi.transmitPower = "20";
  return {"ESP-2.1", 0, wifi};
}

ModuleInformation station() {
  WifiModuleSettings wifi = wifiHeadShown();
  wifi.dnsServer1 = 0x08080808;
  wifi.dnsServer2 = 0x01010101;
  wifi.channel = "11";
  wifi.transmitPower = "18";
  wifi.rssi = "-61";
  return {"ESP-2.1", 1, wifi};
}

ModuleInformation unknownWifiMode() {
  WifiModuleSettings wifi = wifiHeadShown();
  wifi.channel = "1";
  wifi.transmitPower = "15";
  return {"ESP-2.1", 4, wifi};
}

ModuleInformation stationCutAfterSsid() {
  WifiModuleSettings wifi;
  wifi.ssid = "S";
  wifi.password = "\x04";
  wifi.dnsServer1 = 0;
  wifi.dnsServer2 = 0;
  wifi.rssi = "";
  return {"F", 1, wifi};
}

ModuleInformation bluetooth(std::uint8_t mode) {
  return {"BT-3.0", mode,
          BluetoothModuleSettings{"Z3M-BT", "0000", "00-11-22-AA-BB-CC", "SSP", "-45"}};
}

std::vector<std::uint8_t> bluetoothPacket(std::uint8_t mode) {
  return ResponseBody(0x01)
      .text("BT-3.0")
      .byte(kNotInterpreted)
      .byte(mode)
      .text("Z3M-BT")
      .text("0000")
      .text("001122AABBCC")
      .text("SSP")
      .text("-45")
      .packet();
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ModuleInformationTest,
    testing::Values(ModuleCase{"SoftAccessPointHasAuthentication",
                               wifiHead(0)
                                   .text("240AC40011AA")
                                   .text("6")
                                   .byte(kNotInterpreted)
                                   .byte(3)
                                   .text("20")
                                   .packet(),
                               softAccessPoint()},
                    ModuleCase{"StationHasDnsAndRssi",
                               wifiHead(1)
                                   .text("8.8.8.8")
                                   .text("1.1.1.1")
                                   .text("240AC40011AA")
                                   .text("11")
                                   .text("18")
                                   .text("-61")
                                   .packet(),
                               station()},
                    ModuleCase{"ModeFourHasOnlyCommonWifiItems",
                               wifiHead(4).text("240AC40011AA").text("1").text("15").packet(),
                               unknownWifiMode()},
                    ModuleCase{"BluetoothClassic", bluetoothPacket(2), bluetooth(2)},
                    ModuleCase{"BluetoothClassicWithBle", bluetoothPacket(3), bluetooth(3)},
                    // Items a cut-off packet lacks read as empty texts and zero bytes; the trailer
                    // lands in the password.
                    ModuleCase{"StationCutAfterSsid",
                               ResponseBody(0x01).text("F").byte(0).byte(1).text("S").packet(),
                               stationCutAfterSsid()}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
