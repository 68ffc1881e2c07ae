#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framed/hex.h"
#include "framed/network_page_ids.h"
#include "framed/print_settings_page_ids.h"
#include "framed/q470_harness.h"

namespace z3mq {
namespace {

using FC = FramedCode;
using test::hex;

const std::vector<FC> kIdentityAndPrintSettings{
    FC::ReadModelName,     FC::ReadFirmwareVersion, FC::ReadFontVersion,  FC::ReadSerialNumber,
    FC::ReadPrintSettings, FC::ReadPaperSaving,     FC::ReadSettingItems, FC::ReadBlackMark};

TEST(Q470Read, ReadSendsModelNameFramedForTheLinkKind) {
  test::Q470Harness serial;
  serial.family.read();
  test::Q470Harness usb{LinkKind::ActualUsb};
  usb.family.read();
  EXPECT_EQ(
      serial.link.writes(),
      (std::vector<std::vector<std::uint8_t>>{hex("1B 1B 45 02 02 01 03 00 00 00 00 0D BF")}));
  EXPECT_EQ(
      usb.link.writes(),
      (std::vector<std::vector<std::uint8_t>>{hex("1B 1B 45 02 01 01 03 00 00 00 00 19 4F")}));
  EXPECT_EQ(serial.link.session().responsePending, 1);
}

TEST(Q470Read, WholeChainFillsTheInformationPanelAndThePrintingSettingsPage) {
  test::Q470Harness h;
  h.family.read();
  EXPECT_EQ(h.answerRequests(), kIdentityAndPrintSettings);

  Dialog& main = h.window.main();
  EXPECT_EQ(main.text(1242), "Model Name: Q470");
  EXPECT_EQ(main.text(1243), "FW Version: V1.05 USEW");
  EXPECT_EQ(main.text(1303), "Font Version: KOR 1.0");
  EXPECT_EQ(main.text(1307), "SN: Q47000123");
  EXPECT_EQ(h.link.session().capabilityCode, "USEW");
  EXPECT_EQ(main.tabCount(test::TestQ470Window::kTabs), 2);

  const Dialog& page = h.family.printSettingsPage().dialog();
  using namespace print_page;
  const std::vector<std::pair<int, int>> selections{
      {kCodePage, 27},  // 'Page 51 PC1251' is printer code page 6
      {kBaudRate, 5},          {kParity, 2},
      {kHandshaking, 1},       {kAutoCutMode, 0},
      {kPrintDensity, 4},      {kPrintingSpeed, 1},
      {kPaperWidth, 1},        {kColumn, 0},
      {kMultiLanguageFont, 2}, {kPaperSavingMode, 2},
      {kNearSensorSound, 1},   {kUsbMode, 1},
      {kErrorSound, 2},        {kExternalBuzzerPattern, 2},
      {kPrintFinishSound, 1},  {kInternationalCharacterSet, 17},
      {kCodePageType, 1},      {kHandshakingOperation, 1},
      {kBlackMarkMode, 1}};
  for (const auto& [id, index] : selections) EXPECT_EQ(page.selection(id), index) << id;
  EXPECT_TRUE(page.isChecked(1087));
  EXPECT_FALSE(page.isChecked(1086));
  EXPECT_EQ(page.text(kBlackMarkLength), "50");
  EXPECT_EQ(page.text(kPrintAfterBlackMark), "-12");
  EXPECT_TRUE(page.isEnabled(kBlackMarkWidth));
  EXPECT_TRUE(h.messageBoxes.texts().empty());
}

TEST(Q470Read, NetworkTabCurrentContinuesIntoTheNetworkSettings) {
  test::Q470Harness h;
  h.window.main().setCurrentTab(test::TestQ470Window::kTabs, 1);
  h.family.read();
  std::vector<FC> expected = kIdentityAndPrintSettings;
  expected.insert(expected.end(), {FC::ReadInterface, FC::ReadInterface, FC::ReadWifiSettings});
  EXPECT_EQ(h.answerRequests(), expected);

  using namespace network_page;
  const Dialog& page = h.family.networkPage().dialog();
  EXPECT_EQ(page.address(kEthernetAddress), ipv4(10, 0, 0, 5));
  EXPECT_EQ(page.address(kEthernetSubnetMask), ipv4(255, 0, 0, 0));
  EXPECT_EQ(page.selection(kEthernetDhcpMode), 1);
  EXPECT_TRUE(page.isEnabled(kEthernetAddress));
  EXPECT_EQ(page.text(kEthernetMacAddress), "00-1A-2B-3C-4D-5E");
  EXPECT_EQ(page.address(kWifiGateway), ipv4(172, 16, 0, 1));
  EXPECT_EQ(page.selection(kWifiDhcpMode), 0);
  EXPECT_FALSE(page.isEnabled(kWifiAddress));
  EXPECT_EQ(page.text(kWifiMacAddress), "11-22-33-44-55-66");
  EXPECT_EQ(page.selection(kWifiMode), 1);
  EXPECT_EQ(page.selection(kSecurityProtocol), 2);
  EXPECT_EQ(page.selection(kEncryption), 1);
  EXPECT_EQ(page.text(kSsid), "OfficeAP");
  EXPECT_EQ(page.text(kPassword), "secret123");
  EXPECT_EQ(page.text(kLocalPort), "9100");
  const NetworkSettings values = h.family.networkPage().values();
  EXPECT_EQ(values.wifi.ssid, "OfficeAP");
  EXPECT_EQ(values.wifi.password, "secret123");
}

struct ChainCase {
  const char* name;
  const char* firmware;
  std::vector<FC> networkRequests;
};

class Q470NetworkChain : public testing::TestWithParam<ChainCase> {};

TEST_P(Q470NetworkChain, SelectingTheNetworkTabRunsTheChainOfTheCapabilityCode) {
  test::Q470Harness h;
  h.printer.setInformationText(FC::ReadFirmwareVersion, GetParam().firmware);
  h.family.read();
  h.answerRequests();
  h.window.main().setCurrentTab(test::TestQ470Window::kTabs, 1);
  h.family.applyNetworkCapability();
  EXPECT_EQ(h.answerRequests(), GetParam().networkRequests);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Q470NetworkChain,
    testing::Values(
        ChainCase{"USE", "V1 USE", {FC::ReadInterface}},
        ChainCase{"USEW", "V1 USEW", {FC::ReadInterface, FC::ReadInterface, FC::ReadWifiSettings}},
        ChainCase{"USEB",
                  "V1 USEB",
                  {FC::ReadInterface, FC::ReadBluetoothSettings, FC::ReadBluetoothAddress}},
        ChainCase{"USSW", "V1 USSW", {FC::ReadInterface, FC::ReadWifiSettings}},
        ChainCase{"USSB", "V1 USSB", {FC::ReadBluetoothSettings, FC::ReadBluetoothAddress}},
        ChainCase{"ThirdWordIgnored",
                  "V1 USSB extra",
                  {FC::ReadBluetoothSettings, FC::ReadBluetoothAddress}},
        ChainCase{"OneWordEmptyCode", "V1", {}}, ChainCase{"TwoSpacesEmptyCode", "V1  USEW", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(Q470NetworkChain, NetworkTabCurrentDuringReadRunsTheSameChainAfterBlackMark) {
  test::Q470Harness h;
  h.printer.setInformationText(FC::ReadFirmwareVersion, GetParam().firmware);
  h.window.main().setCurrentTab(test::TestQ470Window::kTabs, 1);
  h.family.read();
  std::vector<FC> expected = kIdentityAndPrintSettings;
  expected.insert(expected.end(), GetParam().networkRequests.begin(),
                  GetParam().networkRequests.end());
  EXPECT_EQ(h.answerRequests(), expected);
}

TEST(Q470Read, BluetoothAnswersFillTheBluetoothGroup) {
  test::Q470Harness h;
  h.link.session().capabilityCode = "USSB";
  h.family.applyNetworkCapability();
  h.answerRequests();
  using namespace network_page;
  const Dialog& page = h.family.networkPage().dialog();
  EXPECT_EQ(page.text(kDeviceName), "Q470-BT");
  EXPECT_EQ(page.text(kPinCode), "1234");
  EXPECT_EQ(page.text(kDeviceAddress), "00-11-22-AA-BB-CC");
  EXPECT_EQ(h.family.networkPage().values().bluetooth.deviceName, "Q470-BT");
  EXPECT_TRUE(h.messageBoxes.texts().empty());
}

TEST(Q470Read, DeviceNameAnswerOutOfBoundsRunsTheLengthCheck) {
  test::Q470Harness h;
  h.printer.setAnswer(FC::ReadBluetoothSettings,
                      ScriptedQ470Printer::countedTexts({}, std::string(21, 'N'), "12"));
  h.link.session().capabilityCode = "USSB";
  h.family.applyNetworkCapability();
  h.answerRequests();
  // The name is checked as it arrives, before the PIN code of the same answer is shown.
  EXPECT_EQ(h.messageBoxes.texts(),
            (std::vector<std::string>{"Please check the number of characters in the Device name"}));
  EXPECT_EQ(h.family.networkPage().dialog().text(network_page::kPinCode), "12");
}

TEST(Q470Read, PrinterWithoutNetworkModuleLosesTheNetworkTabBeforeFontVersionIsAsked) {
  test::Q470Harness h;
  h.printer.setInformationText(FC::ReadFirmwareVersion, "X USS");
  h.printer.forget(FC::ReadFontVersion);
  h.family.read();
  EXPECT_EQ(h.answerRequests(),
            (std::vector{FC::ReadModelName, FC::ReadFirmwareVersion, FC::ReadFontVersion}));
  Dialog& main = h.window.main();
  EXPECT_EQ(main.items(test::TestQ470Window::kTabs), (std::vector<std::string>{"Menu Setting"}));
  EXPECT_EQ(h.window.printPageHidings(), 1);
  EXPECT_TRUE(h.family.printSettingsPage().dialog().isDialogVisible());
  EXPECT_EQ(h.link.session().capabilityCode, "USS");
}

TEST(Q470Read, SimilarCodesKeepTheNetworkTab) {
  for (const char* firmware : {"X USSW", "X uss", "X USS2"}) {
    test::Q470Harness h;
    h.printer.setInformationText(FC::ReadFirmwareVersion, firmware);
    h.family.read();
    h.answerRequests();
    EXPECT_EQ(h.window.main().tabCount(test::TestQ470Window::kTabs), 2) << firmware;
  }
}

TEST(Q470Read, EmptyAndLongTextsAreShownAsReceived) {
  test::Q470Harness h;
  const std::string longSerial(40, '7');
  h.printer.setInformationText(FC::ReadModelName, "");
  h.printer.setInformationText(FC::ReadSerialNumber, longSerial);
  h.family.read();
  EXPECT_EQ(h.answerRequests(), kIdentityAndPrintSettings);
  EXPECT_EQ(h.window.main().text(1242), "Model Name: ");
  EXPECT_EQ(h.window.main().text(1307), "SN: " + longSerial);
}

TEST(Q470Read, AcknowledgementsAndUnknownCodesChangeNothing) {
  test::Q470Harness h;
  const PrintSettings before = h.family.printSettingsPage().values();
  for (const std::uint16_t code : {0x0202, 0x021E, 0x0224, 0x0228, 0x0150, 0xFFFF}) {
    h.family.onFramedAnswer(buildFrame(LinkKind::SerialEmulate, code, hex("01 02 03")));
  }
  h.family.onFramedAnswer(hex("1B 1B 45 02 02 01"));  // not even a header
  EXPECT_TRUE(h.link.writes().empty());
  EXPECT_EQ(h.family.printSettingsPage().values(), before);
  EXPECT_EQ(h.window.main().text(1242), "Model Name:");
  EXPECT_TRUE(h.messageBoxes.texts().empty());
}

TEST(Q470Read, SilentPrinterStopsTheChainWhereItFallsSilent) {
  test::Q470Harness h;
  h.printer.forget(FC::ReadPaperSaving);
  h.family.read();
  EXPECT_EQ(h.answerRequests(),
            (std::vector{FC::ReadModelName, FC::ReadFirmwareVersion, FC::ReadFontVersion,
                         FC::ReadSerialNumber, FC::ReadPrintSettings, FC::ReadPaperSaving}));
}

}  // namespace
}  // namespace z3mq
