#include "sim/q470_answers.h"

#include <gtest/gtest.h>

#include "framed/codec/identity.h"
#include "framed/codec/network_decode.h"
#include "framed/codec/print_settings_decode.h"
#include "sim/q470_settings_cases.h"

namespace z3mq {
namespace {

using test::keptByPrinter;

PrintSettings shownAfterAnswers(const PrintSettings& printer) {
  PrintSettings shown;
  applyPrintSettingsAnswer(printSettingsAnswer(printer), shown);
  applyPaperSavingAnswer(paperSavingAnswer(printer), shown);
  applySettingItemsAnswer(settingItemsAnswer(printer), shown);
  applyBlackMarkAnswer(blackMarkAnswer(printer), shown);
  return shown;
}

struct SettingsCase {
  const char* name;
  PrintSettings printer;
};

class PrintSettingsAnswers : public testing::TestWithParam<SettingsCase> {};

TEST_P(PrintSettingsAnswers, DecodeToThePrinterValues) {
  const PrintSettings& printer = GetParam().printer;
  EXPECT_EQ(keptByPrinter(shownAfterAnswers(printer)), keptByPrinter(printer));
}

PrintSettings withSecondItems() {
  PrintSettings s;
  s.codePage = 27;  // number 6
  s.autoCutMode = 0;
  s.printingSpeed = 1;
  s.paperWidth = 1;
  s.multiLanguageFont = 4;
  s.paperSavingMode = 1;
  s.blackMarkMode = 1;
  s.blackMarkLengthMm = 50;
  s.blackMarkWidthMm = 3;
  s.printAfterBlackMark = "-12";
  s.cutAfterBlackMark = "0";
  s.bmValue = "30";
  return s;
}

// Values no list item has travel as values the host shows as no selection.
PrintSettings withUnlistedValues() {
  PrintSettings s;
  s.codePage = -1;
  s.baudRate = -1;
  s.parity = -1;
  s.handshaking = -1;
  s.printDensity = -1;
  s.errorSound = -1;
  s.printFinishSound = -1;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Values, PrintSettingsAnswers,
    testing::Values(SettingsCase{"PageStart", PrintSettings{}},
                    SettingsCase{"EveryValueAtItsLimit", test::everyValueAtItsLimit()},
                    SettingsCase{"SecondItemsAndBlackMarkLowerBounds", withSecondItems()},
                    SettingsCase{"UnlistedValuesShowNoSelection", withUnlistedValues()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintSettingsAnswers, HaveTheirFixedSizes) {
  const PrintSettings s;
  EXPECT_EQ(printSettingsAnswer(s).size(), 16u);
  EXPECT_EQ(paperSavingAnswer(s).size(), 5u);
  EXPECT_EQ(settingItemsAnswer(s).size(), 42u);
  EXPECT_EQ(blackMarkAnswer(s).size(), 14u);
}

TEST(PrintSettingsAnswers, BlackMarkTravelsInDots) {
  const auto payload = blackMarkAnswer(test::everyValueAtItsLimit());
  // 500 mm = 4000 dots, 30 mm = 240, -12 mm = -96, -23 mm = -184, level 210.
  EXPECT_EQ(payload, (std::vector<std::uint8_t>{0x01, 0xA0, 0x0F, 0, 0, 0xF0, 0, 0, 0, 0xA0, 0xFF,
                                                0x48, 0xFF, 0xD2}));
}

TEST(InformationText, RoundTripsThroughTheIdentityDecoder) {
  for (const std::string text : {"", "V1.00 USEW", "Q470 \xC3\xA9"}) {
    const auto payload = informationTextPayload(text);
    EXPECT_EQ(decodeInformationText(payload), text) << text;
  }
  EXPECT_EQ(informationTextPayload("SN1"), (std::vector<std::uint8_t>{3, 0, 'S', 'N', '1'}));
}

TEST(NetworkAnswers, DecodeToThePrinterValues) {
  NetworkSettings printer;
  printer.ethernet = {1, ipv4(10, 0, 0, 5), ipv4(10, 0, 0, 1), ipv4(255, 0, 0, 0), ""};
  printer.wifi.ip = {0, ipv4(172, 16, 1, 2), ipv4(172, 16, 1, 1), ipv4(255, 255, 0, 0), ""};
  printer.wifi.mode = 1;
  printer.wifi.securityProtocol = 2;
  printer.wifi.encryption = 1;
  printer.wifi.ssid = std::string(32, 'S');
  printer.wifi.password = std::string(63, 'p');
  printer.bluetooth.deviceName = "Counter 3";
  printer.bluetooth.pinCode = "12345678";
  const HardwareAddress ethernetMac{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
  const HardwareAddress wifiMac{0xFF, 0xEE, 0xDD, 0x01, 0x02, 0x03};
  const HardwareAddress btAddress{0xA0, 0xB1, 0xC2, 0xD3, 0xE4, 0xF5};
  printer.ethernet.macAddress = "00-1A-2B-3C-4D-5E";
  printer.wifi.ip.macAddress = "FF-EE-DD-01-02-03";
  printer.bluetooth.address = "A0-B1-C2-D3-E4-F5";

  NetworkSettings shown;
  const auto ethernet = interfaceAnswer(NetworkInterface::Ethernet, printer, ethernetMac);
  const auto wifi = interfaceAnswer(NetworkInterface::Wifi, printer, wifiMac);
  EXPECT_EQ(ethernet.size(), 22u);
  EXPECT_EQ(applyInterfaceAnswer(ethernet, shown), NetworkInterface::Ethernet);
  EXPECT_EQ(applyInterfaceAnswer(wifi, shown), NetworkInterface::Wifi);
  applyWifiSettingsAnswer(wifiSettingsAnswer(printer), shown);
  applyBluetoothSettingsAnswer(bluetoothSettingsAnswer(printer), shown);
  applyBluetoothAddressAnswer(btAddress, shown);
  EXPECT_EQ(shown, printer);
}

}  // namespace
}  // namespace z3mq
