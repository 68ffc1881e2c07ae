#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framed/codec/network_capability.h"
#include "framed/codec/network_checks.h"
#include "framed/codec/network_decode.h"
#include "framed/codec/network_encode.h"
#include "framed/hex.h"

namespace z3mq {
namespace {

using test::hex;

std::vector<std::uint8_t> concat(std::vector<std::uint8_t> a, std::string_view b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct InterfaceCase {
  const char* name;
  const char* payload;
  NetworkInterface which;
  IpInterfaceSettings expected;
};

class InterfaceAnswerTest : public testing::TestWithParam<InterfaceCase> {};

TEST_P(InterfaceAnswerTest, FillsTheNamedInterfaceOnly) {
  const InterfaceCase& c = GetParam();
  NetworkSettings settings;
  settings.localPort = 1234;
  const NetworkSettings before = settings;
  EXPECT_EQ(applyInterfaceAnswer(hex(c.payload), settings), c.which);
  NetworkSettings expected = before;
  (c.which == NetworkInterface::Ethernet ? expected.ethernet : expected.wifi.ip) = c.expected;
  EXPECT_EQ(settings, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, InterfaceAnswerTest,
    testing::Values(
        InterfaceCase{
            "EthernetStatic",
            "00 0A 00 00 05 0A 00 00 01 FF FF 00 00 11 22 00 00 1A 2B 3C 4D 5E",
            NetworkInterface::Ethernet,
            {1, ipv4(10, 0, 0, 5), ipv4(10, 0, 0, 1), ipv4(255, 255, 0, 0), "00-1A-2B-3C-4D-5E"}},
        InterfaceCase{"EthernetDynamic",
                      "00 C0 A8 01 02 C0 A8 01 01 FF FF FF 00 23 8C 01 A0 B1 C2 D3 E4 F5",
                      NetworkInterface::Ethernet,
                      {0, ipv4(192, 168, 1, 2), ipv4(192, 168, 1, 1), ipv4(255, 255, 255, 0),
                       "A0-B1-C2-D3-E4-F5"}},
        InterfaceCase{"AnyNonZeroByteIsWifi",
                      "07 AC 10 00 09 AC 10 00 01 FF F0 00 00 8C 23 05 01 02 03 04 05 06",
                      NetworkInterface::Wifi,
                      {0, ipv4(172, 16, 0, 9), ipv4(172, 16, 0, 1), ipv4(255, 240, 0, 0),
                       "01-02-03-04-05-06"}},
        InterfaceCase{"ShortAnswerReadsMissingBytesAsZero",
                      "01 C0 A8",
                      NetworkInterface::Wifi,
                      {1, ipv4(192, 168, 0, 0), 0, 0, "00-00-00-00-00-00"}}),
    [](const auto& info) { return info.param.name; });

struct WifiAnswerCase {
  const char* name;
  std::vector<std::uint8_t> payload;
  int mode;
  int security;
  int encryption;
  std::string ssid;
  std::string password;
};

class WifiSettingsAnswerTest : public testing::TestWithParam<WifiAnswerCase> {};

TEST_P(WifiSettingsAnswerTest, SetsListsAndTexts) {
  const WifiAnswerCase& c = GetParam();
  NetworkSettings settings;
  applyWifiSettingsAnswer(c.payload, settings);
  EXPECT_EQ(settings.wifi.mode, c.mode);
  EXPECT_EQ(settings.wifi.securityProtocol, c.security);
  EXPECT_EQ(settings.wifi.encryption, c.encryption);
  EXPECT_EQ(settings.wifi.ssid, c.ssid);
  EXPECT_EQ(settings.wifi.password, c.password);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, WifiSettingsAnswerTest,
    testing::Values(
        WifiAnswerCase{"StaWpa2Aes", concat(hex("55 55 77 03 08"), "Cafepassword"), 0, 2, 0, "Caf",
                       "epasswor"},
        WifiAnswerCase{"ApWpaTpik", concat(hex("AA 33 00 02 00"), "ab"), 1, 1, 1, "ab", ""},
        WifiAnswerCase{"UnknownBytesGiveFirstItems", concat(hex("00 77 12 01 01"), "xy"), 0, 0, 0,
                       "x", "y"},
        WifiAnswerCase{"LongTextsShownWhole",
                       concat(hex("55 00 77 20 3F"), std::string(32, 's') + std::string(63, 'p')),
                       0, 0, 0, std::string(32, 's'), std::string(63, 'p')},
        WifiAnswerCase{"TextsCutAtPayloadEnd", concat(hex("55 00 77 04 09"), "netwpass"), 0, 0, 0,
                       "netw", "pass"},
        WifiAnswerCase{"ZeroByteEndsText",
                       concat(hex("55 00 77 04 02"), std::string_view("ab\0dpw", 6)), 0, 0, 0, "ab",
                       "pw"},
        WifiAnswerCase{"Latin1ToUtf8", concat(hex("55 00 77 01 00"), "\xE9"), 0, 0, 0, "\xC3\xA9",
                       ""}),
    [](const auto& info) { return info.param.name; });

TEST(BluetoothAnswers, SettingsAndAddress) {
  NetworkSettings settings;
  applyBluetoothSettingsAnswer(concat(hex("05 04"), "Q470A1234"), settings);
  EXPECT_EQ(settings.bluetooth.deviceName, "Q470A");
  EXPECT_EQ(settings.bluetooth.pinCode, "1234");
  applyBluetoothSettingsAnswer(concat(hex("05 04"), "Q47"), settings);
  EXPECT_EQ(settings.bluetooth.deviceName, "Q47");
  EXPECT_EQ(settings.bluetooth.pinCode, "");

  applyBluetoothAddressAnswer(hex("00 1A 2B 3C 4D 5E"), settings);
  EXPECT_EQ(settings.bluetooth.address, "00-1A-2B-3C-4D-5E");
  applyBluetoothAddressAnswer(hex("AB"), settings);
  EXPECT_EQ(settings.bluetooth.address, "AB-00-00-00-00-00");
}

TEST(NetworkWrite, RecordsRoundTripThroughTheirAnswers) {
  NetworkSettings written;
  written.wifi.mode = 1;
  written.wifi.securityProtocol = 2;
  written.wifi.encryption = 1;
  written.wifi.ssid = "Caf\xC3\xA9 WLAN";
  written.wifi.password = "geheim123";
  written.bluetooth.deviceName =
      "K\xC3\xBC"
      "che";
  written.bluetooth.pinCode = "9876";
  NetworkSettings read;
  applyWifiSettingsAnswer(wifiSettingsWrite(written).payload, read);
  applyBluetoothSettingsAnswer(bluetoothSettingsWrite(written).payload, read);
  EXPECT_EQ(read.wifi, written.wifi);
  EXPECT_EQ(read.bluetooth, written.bluetooth);
}

TEST(NetworkWrite, EthernetAndWifiInterfaceRecords) {
  NetworkSettings settings;
  settings.ethernet.dhcpMode = kStaticIp;
  settings.wifi.ip.dhcpMode = 0;
  EXPECT_EQ(ethernetInterfaceWrite(settings),
            (FramedRequest{FramedCode::WriteInterface,
                           hex("00 C0 A8 0A 0A C0 A8 0A 01 FF FF FF 00 23 8C 00")}));
  EXPECT_EQ(wifiInterfaceWrite(settings),
            (FramedRequest{FramedCode::WriteInterface,
                           hex("01 C0 A8 C0 01 C0 A8 C0 01 FF FF FF 00 8C 23 01")}));
}

TEST(NetworkWrite, WifiSettingsCountCharactersAndMapUnknownIndexes) {
  NetworkSettings settings;
  settings.wifi.mode = -1;
  settings.wifi.securityProtocol = 3;
  settings.wifi.encryption = 2;
  settings.wifi.ssid = std::string(32, 's');
  settings.wifi.password = std::string(63, 'p');
  const FramedRequest request = wifiSettingsWrite(settings);
  ASSERT_EQ(request.payload.size(), 100u);
  EXPECT_EQ(std::vector<std::uint8_t>(request.payload.begin(), request.payload.begin() + 5),
            hex("AA 00 77 20 3F"));

  settings.wifi.ssid = "\xC3\xA9t\xC3\xA9";  // three characters, five UTF-8 bytes
  EXPECT_EQ(wifiSettingsWrite(settings).payload[3], 3);
}

struct CapabilityCase {
  const char* name;
  const char* code;
  NetworkGroups groups;
  std::optional<FramedRequest> read;
  std::vector<FramedCode> writes;
};

class CapabilityTest : public testing::TestWithParam<CapabilityCase> {};

TEST_P(CapabilityTest, ChoosesGroupsReadAndWrites) {
  const CapabilityCase& c = GetParam();
  EXPECT_EQ(networkGroupsOf(c.code), c.groups);
  EXPECT_EQ(networkReadRequest(c.code), c.read);
  std::vector<FramedCode> writes;
  for (const FramedRequest& r : networkWriteRequests(c.code, NetworkSettings{})) {
    writes.push_back(r.code);
  }
  EXPECT_EQ(writes, c.writes);
}

const FramedRequest kReadEthernet{FramedCode::ReadInterface, {0x00}};
const FramedRequest kReadWifi{FramedCode::ReadInterface, {0x01}};
const FramedRequest kReadBluetooth{FramedCode::ReadBluetoothSettings, {}};

INSTANTIATE_TEST_SUITE_P(
    Codes, CapabilityTest,
    testing::Values(
        CapabilityCase{
            "Use", "USE", {true, false, false}, kReadEthernet, {FramedCode::WriteInterface}},
        CapabilityCase{"Usew",
                       "USEW",
                       {true, true, false},
                       kReadEthernet,
                       {FramedCode::WriteInterface, FramedCode::WriteInterface,
                        FramedCode::WriteWifiSettings}},
        CapabilityCase{"Useb",
                       "USEB",
                       {true, false, true},
                       kReadEthernet,
                       {FramedCode::WriteInterface, FramedCode::WriteBluetoothSettings}},
        CapabilityCase{"Ussw",
                       "USSW",
                       {false, true, false},
                       kReadWifi,
                       {FramedCode::WriteInterface, FramedCode::WriteWifiSettings}},
        CapabilityCase{"Ussb",
                       "USSB",
                       {false, false, true},
                       kReadBluetooth,
                       {FramedCode::WriteBluetoothSettings}},
        CapabilityCase{"Uss", "USS", {}, std::nullopt, {}},
        CapabilityCase{"Empty", "", {}, std::nullopt, {}},
        CapabilityCase{"CaseMatters", "usew", {}, std::nullopt, {}}),
    [](const auto& info) { return info.param.name; });

TEST(NetworkWrite, UsewSendsEthernetPortHighByteFirstAndWifiPortLowByteFirst) {
  const auto requests = networkWriteRequests("USEW", NetworkSettings{});
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].payload[13], 0x23);
  EXPECT_EQ(requests[0].payload[14], 0x8C);
  EXPECT_EQ(requests[0].payload[15], 0x01);  // 'Dynamic IP'
  EXPECT_EQ(requests[1].payload[13], 0x8C);
  EXPECT_EQ(requests[1].payload[14], 0x23);
}

struct LengthCase {
  const char* name;
  std::function<void(NetworkSettings&)> change;
  std::optional<std::string_view> firstAtWrite;
  std::vector<std::string_view> onDeviceNameChange;
};

class NetworkLengthCheckTest : public testing::TestWithParam<LengthCase> {};

TEST_P(NetworkLengthCheckTest, WriteStopsAtTheFirstAndThePageRaisesAll) {
  NetworkSettings settings;
  GetParam().change(settings);
  EXPECT_EQ(firstNetworkLengthFailure(settings), GetParam().firstAtWrite);
  EXPECT_EQ(deviceNameCheckFailures(settings), GetParam().onDeviceNameChange);
}

constexpr std::string_view kSsidMessage = "Please check the number of characters in the SSID";
constexpr std::string_view kPasswordMessage =
    "Please check the number of characters in the Password";
constexpr std::string_view kNameMessage =
    "Please check the number of characters in the Device name";
constexpr std::string_view kPinMessage = "Please check the number of characters in the PIN code";

INSTANTIATE_TEST_SUITE_P(
    Texts, NetworkLengthCheckTest,
    testing::Values(LengthCase{"StartValuesPass", [](NetworkSettings&) {}, std::nullopt, {}},
                    LengthCase{"BoundsPass",
                               [](NetworkSettings& s) {
                                 s.wifi.ssid = std::string(32, 's');
                                 s.wifi.password = std::string(63, 'p');
                                 s.bluetooth.deviceName = std::string(20, 'n');
                                 s.bluetooth.pinCode = "1234";
                               },
                               std::nullopt,
                               {}},
                    LengthCase{"CharactersNotBytes",
                               [](NetworkSettings& s) {
                                 std::string name;
                                 for (int i = 0; i < 20; ++i) name += "\xC3\xA9";
                                 s.bluetooth.deviceName = name;
                               },
                               std::nullopt,
                               {}},
                    LengthCase{"SsidTooLong",
                               [](NetworkSettings& s) { s.wifi.ssid = std::string(33, 's'); },
                               kSsidMessage,
                               {kSsidMessage}},
                    LengthCase{"PasswordTooShort",
                               [](NetworkSettings& s) { s.wifi.password = "1234567"; },
                               kPasswordMessage,
                               {kPasswordMessage}},
                    LengthCase{"PasswordTooLong",
                               [](NetworkSettings& s) { s.wifi.password = std::string(64, 'p'); },
                               kPasswordMessage,
                               {kPasswordMessage}},
                    LengthCase{"DeviceNameEmpty",
                               [](NetworkSettings& s) { s.bluetooth.deviceName = ""; },
                               kNameMessage,
                               {kNameMessage}},
                    LengthCase{
                        "DeviceNameTooLong",
                        [](NetworkSettings& s) { s.bluetooth.deviceName = std::string(21, 'n'); },
                        kNameMessage,
                        {kNameMessage}},
                    LengthCase{"PinTooLong",
                               [](NetworkSettings& s) { s.bluetooth.pinCode = "123456789"; },
                               kPinMessage,
                               {kPinMessage}},
                    LengthCase{"AllFailInTheirTwoOrders",
                               [](NetworkSettings& s) {
                                 s.wifi.ssid = "";
                                 s.wifi.password = "short";
                                 s.bluetooth.deviceName = "";
                                 s.bluetooth.pinCode = "123";
                               },
                               kSsidMessage,
                               {kNameMessage, kPinMessage, kSsidMessage, kPasswordMessage}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
