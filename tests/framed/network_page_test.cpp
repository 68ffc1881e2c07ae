#include "framed/network_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framed/codec/network_capability.h"
#include "framed/network_page_ids.h"
#include "framed/page_fields.h"
#include "support/fake_link.h"
#include "ui/headless/recording_message_boxes.h"

namespace z3mq {
namespace {

using namespace network_page;

constexpr const char* kDeviceNameMessage =
    "Please check the number of characters in the Device name";
constexpr const char* kPinMessage = "Please check the number of characters in the PIN code";
constexpr const char* kSsidMessage = "Please check the number of characters in the SSID";
constexpr const char* kPasswordMessage = "Please check the number of characters in the Password";

const std::vector<int> kEthernetGroup{kEthernetDhcpMode, kEthernetAddress, kEthernetGateway,
                                      kEthernetSubnetMask, kLocalPort};
const std::vector<int> kWifiGroup{kWifiMode,    kSsid,        kPassword,       kWifiDhcpMode,
                                  kWifiAddress, kWifiGateway, kWifiSubnetMask, kSecurityProtocol,
                                  kEncryption};
const std::vector<int> kBluetoothGroup{kDeviceName, kPinCode};

class NetworkPageTest : public testing::Test {
 protected:
  NetworkPageTest() {
    link.attach(0x28E9, 0x018A);
    link.open();
  }

  std::vector<FramedCode> writtenCodes() const {
    std::vector<FramedCode> codes;
    for (const auto& frame : link.writes()) codes.push_back(readFrame(frame)->code);
    return codes;
  }

  FakeLink link;
  RecordingMessageBoxes boxes;
  NetworkPage page{link, boxes};
  Dialog& d = page.dialog();
};

TEST_F(NetworkPageTest, StartsWithItsDefaultsAndOnlyTheWifiAddressesDisabled) {
  EXPECT_EQ(page.values(), NetworkSettings{});
  EXPECT_EQ(d.items(kEthernetDhcpMode), (std::vector<std::string>{"Dynamic IP", "Static IP"}));
  EXPECT_EQ(d.items(kWifiMode), (std::vector<std::string>{"STA", "AP"}));
  EXPECT_EQ(d.items(kSecurityProtocol), (std::vector<std::string>{"OPEN", "WPA_PSK", "WPA2_PSK"}));
  EXPECT_EQ(d.items(kEncryption), (std::vector<std::string>{"AES", "TPIK"}));
  EXPECT_EQ(d.address(kEthernetAddress), ipv4(192, 168, 10, 10));
  EXPECT_EQ(d.address(kWifiGateway), ipv4(192, 168, 192, 1));
  EXPECT_EQ(d.selection(kSecurityProtocol), 1);
  const std::vector<std::pair<int, std::string>> texts{{kLocalPort, "9100"},
                                                       {kSsid, "Q470_PRINTER_000000"},
                                                       {kPassword, "58203917"},
                                                       {kDeviceName, "Q470_PRINTER_000000"},
                                                       {kPinCode, "0863"}};
  for (const auto& [id, text] : texts) EXPECT_EQ(d.text(id), text) << id;
  for (const int id : {kWifiAddress, kWifiGateway, kWifiSubnetMask}) EXPECT_FALSE(d.isEnabled(id));
  for (const int id : kEthernetGroup) EXPECT_TRUE(d.isEnabled(id));
  EXPECT_TRUE(link.writes().empty());
}

struct CapabilityCase {
  const char* name;
  const char* code;
  bool ethernet, wifi, bluetooth;
  std::vector<std::uint8_t> request;  // the one request's code and payload, empty for none
};

class NetworkCapability : public NetworkPageTest,
                          public testing::WithParamInterface<CapabilityCase> {};

TEST_P(NetworkCapability, EnablesTheNamedGroupsAndAsksForTheirSettingsEachTime) {
  const CapabilityCase& c = GetParam();
  link.session().capabilityCode = c.code;
  for (int time = 0; time < 2; ++time) {
    link.clearWrites();
    page.applyNetworkCapability();
    for (const int id : kEthernetGroup) EXPECT_EQ(d.isEnabled(id), c.ethernet) << id;
    for (const int id : kWifiGroup) EXPECT_EQ(d.isEnabled(id), c.wifi) << id;
    for (const int id : kBluetoothGroup) EXPECT_EQ(d.isEnabled(id), c.bluetooth) << id;
    if (c.request.empty()) {
      EXPECT_TRUE(link.writes().empty());
    } else {
      const auto writes = link.writes();
      ASSERT_EQ(writes.size(), 1u);
      const auto frame = readFrame(writes[0]);
      std::vector<std::uint8_t> sent{static_cast<std::uint8_t>(static_cast<int>(frame->code) >> 8),
                                     static_cast<std::uint8_t>(frame->code)};
      sent.insert(sent.end(), frame->payload.begin(), frame->payload.end());
      EXPECT_EQ(sent, c.request);
    }
  }
  // Display-only texts are never disabled.
  EXPECT_TRUE(d.isEnabled(kEthernetMacAddress));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, NetworkCapability,
    testing::Values(CapabilityCase{"USE", "USE", true, false, false, {0x01, 0x13, 0x00}},
                    CapabilityCase{"USEW", "USEW", true, true, false, {0x01, 0x13, 0x00}},
                    CapabilityCase{"USEB", "USEB", true, false, true, {0x01, 0x13, 0x00}},
                    CapabilityCase{"USSW", "USSW", false, true, false, {0x01, 0x13, 0x01}},
                    CapabilityCase{"USSB", "USSB", false, false, true, {0x01, 0x15}},
                    CapabilityCase{"USS", "USS", false, false, false, {}},
                    CapabilityCase{"LowerCase", "usew", false, false, false, {}},
                    CapabilityCase{"Empty", "", false, false, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetworkPageTest, EthernetDhcpStaticResetsTheAddressAndEnablesDynamicDisablesAndKeeps) {
  ASSERT_TRUE(d.userSelect(kEthernetDhcpMode, 0));  // start: enabled although dynamic
  EXPECT_FALSE(d.isEnabled(kEthernetAddress));
  d.setAddress(kEthernetAddress, ipv4(10, 1, 2, 3));
  d.setAddress(kEthernetGateway, ipv4(10, 1, 2, 1));
  ASSERT_TRUE(d.userSelect(kEthernetDhcpMode, 1));
  for (const int id : {kEthernetAddress, kEthernetGateway, kEthernetSubnetMask}) {
    EXPECT_TRUE(d.isEnabled(id)) << id;
  }
  EXPECT_EQ(d.address(kEthernetAddress), ipv4(192, 168, 10, 10));
  EXPECT_EQ(d.address(kEthernetGateway), ipv4(10, 1, 2, 1));
  ASSERT_TRUE(d.userSelect(kEthernetDhcpMode, 0));
  EXPECT_FALSE(d.isEnabled(kEthernetSubnetMask));
  EXPECT_EQ(d.address(kEthernetAddress), ipv4(192, 168, 10, 10));
}

TEST_F(NetworkPageTest, WifiDhcpEnablesTheAddressesWithoutChangingThem) {
  ASSERT_TRUE(d.userSelect(kWifiDhcpMode, 1));
  for (const int id : {kWifiAddress, kWifiGateway, kWifiSubnetMask}) EXPECT_TRUE(d.isEnabled(id));
  EXPECT_EQ(d.address(kWifiAddress), ipv4(192, 168, 192, 1));
  ASSERT_TRUE(d.userSelect(kWifiDhcpMode, 0));
  for (const int id : {kWifiAddress, kWifiGateway, kWifiSubnetMask}) EXPECT_FALSE(d.isEnabled(id));
}

struct PortCase {
  const char* name;
  const char* typed;
  bool complains;
};

class LocalPortEdit : public NetworkPageTest, public testing::WithParamInterface<PortCase> {};

TEST_P(LocalPortEdit, EndsWith9100) {
  ASSERT_TRUE(d.userSetText(kLocalPort, GetParam().typed));
  EXPECT_EQ(d.text(kLocalPort), "9100");
  EXPECT_EQ(page.values().localPort, 9100);
  EXPECT_EQ(boxes.texts(), GetParam().complains ? std::vector<std::string>{kEnterAnIntegerMessage}
                                                : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, LocalPortEdit,
                         testing::Values(PortCase{"OtherPort", "8080", false},
                                         PortCase{"NumberThenLetters", "91000x", false},
                                         PortCase{"Letters", "port", true},
                                         PortCase{"Cleared", "", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetworkPageTest, RejectedLocalPortLeavesTheLaterFieldsUnread) {
  {
    Dialog::SuppressNotifications quiet{d};
    d.setText(kSsid, "typed meanwhile");
  }
  ASSERT_TRUE(d.userSetText(kLocalPort, "x"));
  EXPECT_EQ(page.values().wifi.ssid, "Q470_PRINTER_000000");
  EXPECT_EQ(d.text(kSsid), "Q470_PRINTER_000000");
}

struct DeviceNameCase {
  const char* name;
  std::string deviceName;
  std::string pin;
  std::string ssid;
  std::string password;
  std::vector<std::string> messages;
};

class DeviceNameCheck : public NetworkPageTest,
                        public testing::WithParamInterface<DeviceNameCase> {};

TEST_P(DeviceNameCheck, ShowsEveryFailingLengthAndCorrectsNothing) {
  const DeviceNameCase& c = GetParam();
  {
    Dialog::SuppressNotifications quiet{d};
    d.setText(kPinCode, c.pin);
    d.setText(kSsid, c.ssid);
    d.setText(kPassword, c.password);
  }
  ASSERT_TRUE(d.userSetText(kDeviceName, c.deviceName));
  EXPECT_EQ(boxes.texts(), c.messages);
  EXPECT_EQ(d.text(kDeviceName), c.deviceName);
  EXPECT_EQ(page.values().bluetooth.deviceName, c.deviceName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceNameCheck,
    testing::Values(
        DeviceNameCase{"AllWithinBounds",
                       std::string(20, 'n'),
                       "0863",
                       std::string(32, 's'),
                       std::string(63, 'p'),
                       {}},
        DeviceNameCase{"EmptyName", "", "0863", "ssid", "58203917", {kDeviceNameMessage}},
        DeviceNameCase{
            "NameOf21", std::string(21, 'n'), "0863", "ssid", "58203917", {kDeviceNameMessage}},
        DeviceNameCase{
            "ShortPinShownOnAnyNameChange", "BT", "086", "ssid", "58203917", {kPinMessage}},
        DeviceNameCase{"AllFourInOrder",
                       "",
                       "123456789",
                       std::string(33, 's'),
                       std::string(64, 'p'),
                       {kDeviceNameMessage, kPinMessage, kSsidMessage, kPasswordMessage}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetworkPageTest, EachKeystrokeThatEmptiesTheNameComplainsAgain) {
  ASSERT_TRUE(d.userSetText(kDeviceName, ""));
  ASSERT_TRUE(d.userSetText(kDeviceName, "A"));
  ASSERT_TRUE(d.userSetText(kDeviceName, ""));
  EXPECT_EQ(boxes.texts(), (std::vector<std::string>{kDeviceNameMessage, kDeviceNameMessage}));
}

TEST_F(NetworkPageTest, TextEditsKeepThePageCopiesInStep) {
  ASSERT_TRUE(d.userSetText(kSsid, "Shop"));
  ASSERT_TRUE(d.userSetText(kPassword, "pa55word!"));
  ASSERT_TRUE(d.userSetText(kPinCode, "4321"));
  const NetworkSettings values = page.values();
  EXPECT_EQ(values.wifi.ssid, "Shop");
  EXPECT_EQ(values.wifi.password, "pa55word!");
  EXPECT_EQ(values.bluetooth.pinCode, "4321");
  EXPECT_TRUE(boxes.texts().empty());
}

}  // namespace
}  // namespace z3mq
