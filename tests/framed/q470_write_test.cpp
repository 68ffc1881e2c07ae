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

const std::vector<FC> kFourteen{FC::WriteCodePage,     FC::WriteBaudRate,     FC::WriteParity,
                                FC::WriteHandshaking,  FC::WritePrintDensity, FC::WritePrintSpeed,
                                FC::WritePaperWidth,   FC::WriteColumns,      FC::WriteCharacterSet,
                                FC::WriteCodePageType, FC::WriteFontLanguage, FC::WritePaperSaving,
                                FC::WriteBlackMark,    FC::WriteSettingItems};

class Q470Write : public testing::Test {
 protected:
  Dialog& printPage() { return h.family.printSettingsPage().dialog(); }
  Dialog& networkPage() { return h.family.networkPage().dialog(); }

  // Black Mark Mode 'Enable' and the five values, as a user enters them.
  void enterBlackMark(const char* length, const char* width, const char* printAfter,
                      const char* cutAfter, const char* level) {
    using namespace print_page;
    ASSERT_TRUE(printPage().userSelect(kBlackMarkMode, 1));
    ASSERT_TRUE(printPage().userSetText(kBlackMarkLength, length));
    ASSERT_TRUE(printPage().userSetText(kBlackMarkWidth, width));
    ASSERT_TRUE(printPage().userSetText(kPrintAfterBlackMark, printAfter));
    ASSERT_TRUE(printPage().userSetText(kCutAfterBlackMark, cutAfter));
    ASSERT_TRUE(printPage().userSetText(kBmValue, level));
  }

  test::Q470Harness h;
};

TEST_F(Q470Write, PrintingSettingsWithBlackMarkDisabledSendFourteenFramesInOrder) {
  h.family.write(0);
  EXPECT_EQ(h.writtenCodes(), kFourteen);
  EXPECT_EQ(h.writtenPayload(12), hex("01 00"));
  EXPECT_EQ(h.writtenPayload(0), hex("00 00"));
  for (const auto& frame : h.link.writes()) EXPECT_EQ(frame[4], 0x02);
  EXPECT_TRUE(h.messageBoxes.texts().empty());
  EXPECT_TRUE(h.window.log().empty());

  h.family.write(0);
  EXPECT_EQ(h.writtenCodes(14), kFourteen);
}

TEST_F(Q470Write, DisabledBlackMarkChecksNothing) {
  enterBlackMark("49", "2", "-13", "-24", "x");
  ASSERT_TRUE(printPage().userSelect(print_page::kBlackMarkMode, 0));
  h.family.write(0);
  EXPECT_EQ(h.writtenCodes(), kFourteen);
  EXPECT_TRUE(h.messageBoxes.texts().empty());
}

TEST_F(Q470Write, BoundaryBlackMarkValuesPassAndTravelInDots) {
  enterBlackMark("50", "3", "-12", "-23", "30");
  h.family.write(0);
  ASSERT_EQ(h.writtenCodes(), kFourteen);
  EXPECT_EQ(h.writtenPayload(12),
            hex("01 01 02 90 01 00 00 03 18 00 00 00 04 A0 FF 05 48 FF 06 1E"));
  EXPECT_TRUE(h.messageBoxes.texts().empty());
}

TEST_F(Q470Write, UpperBoundaryBlackMarkValuesPass) {
  enterBlackMark("500", "30", "500", "500", "210");
  h.family.write(0);
  EXPECT_EQ(h.writtenCodes(), kFourteen);
  EXPECT_TRUE(h.messageBoxes.texts().empty());
}

struct RangeCase {
  const char* name;
  const char* values[5];
  const char* message;
};

class Q470WriteBlackMarkRange : public Q470Write, public testing::WithParamInterface<RangeCase> {};

TEST_P(Q470WriteBlackMarkRange, FirstValueOutOfRangeIsShownAndNothingSent) {
  const auto& v = GetParam().values;
  enterBlackMark(v[0], v[1], v[2], v[3], v[4]);
  h.family.write(0);
  EXPECT_TRUE(h.link.writes().empty());
  EXPECT_EQ(h.messageBoxes.texts(), (std::vector<std::string>{GetParam().message}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Q470WriteBlackMarkRange,
    testing::Values(
        RangeCase{"LengthBelow", {"49", "3", "0", "0", "30"}, "Check the range 50 ~ 500mm"},
        RangeCase{"LengthAbove", {"501", "3", "0", "0", "30"}, "Check the range 50 ~ 500mm"},
        RangeCase{
            "LengthFirstOfSeveral", {"49", "2", "-13", "-24", "29"}, "Check the range 50 ~ 500mm"},
        RangeCase{"WidthBelow", {"50", "2", "0", "0", "30"}, "Check the range 3 ~ 30mm"},
        RangeCase{"WidthAbove", {"50", "31", "0", "0", "30"}, "Check the range 3 ~ 30mm"},
        RangeCase{"PrintAfterBelow", {"50", "3", "-13", "0", "30"}, "Check the range -12 ~ 500mm"},
        RangeCase{"PrintAfterAbove", {"50", "3", "501", "0", "30"}, "Check the range -12 ~ 500mm"},
        RangeCase{"CutAfterBelow", {"50", "3", "0", "-24", "30"}, "Check the range -23 ~ 500mm"},
        RangeCase{"LevelBelow", {"50", "3", "0", "0", "29"}, "Check the level 30 ~ 210"},
        RangeCase{"LevelAbove", {"50", "3", "0", "0", "211"}, "Check the level 30 ~ 210"},
        RangeCase{
            "LevelWithoutDigitsIsZero", {"50", "3", "0", "0", "abc"}, "Check the level 30 ~ 210"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Q470Write, NoCodePageSelectionSendsTheOtherThirteenAndSaysSo) {
  h.family.printSettingsPage().applyAnswer(FC::ReadPrintSettings,
                                           hex("08 00 00 00 00 00 00 00 00 00 30 30 33 00 00 FB"));
  ASSERT_EQ(printPage().selection(print_page::kCodePage), -1);
  h.family.write(0);
  EXPECT_EQ(h.writtenCodes(), std::vector(kFourteen.begin() + 1, kFourteen.end()));
  ASSERT_EQ(h.window.log().size(), 1u);
  EXPECT_NE(h.window.log()[0].find("WriteCodePage"), std::string::npos);
}

TEST_F(Q470Write, WithTheChannelClosedNothingIsWritten) {
  h.link.close();
  h.family.write(0);
  EXPECT_TRUE(h.link.writes().empty());
  EXPECT_EQ(h.link.session().responsePending, 1);
}

struct NetworkWriteCase {
  const char* name;
  const char* code;
  std::vector<FC> requests;
};

class Q470WriteNetwork : public Q470Write, public testing::WithParamInterface<NetworkWriteCase> {};

TEST_P(Q470WriteNetwork, SendsWhatTheCapabilityCodeCallsFor) {
  h.link.session().capabilityCode = GetParam().code;
  h.family.write(1);
  EXPECT_EQ(h.writtenCodes(), GetParam().requests);
  EXPECT_TRUE(h.messageBoxes.texts().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Q470WriteNetwork,
    testing::Values(
        NetworkWriteCase{"USE", "USE", {FC::WriteInterface}},
        NetworkWriteCase{
            "USEW", "USEW", {FC::WriteInterface, FC::WriteInterface, FC::WriteWifiSettings}},
        NetworkWriteCase{"USEB", "USEB", {FC::WriteInterface, FC::WriteBluetoothSettings}},
        NetworkWriteCase{"USSW", "USSW", {FC::WriteInterface, FC::WriteWifiSettings}},
        NetworkWriteCase{"USSB", "USSB", {FC::WriteBluetoothSettings}},
        NetworkWriteCase{"USS", "USS", {}}, NetworkWriteCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Q470Write, NetworkUsewCarriesBothPortByteOrdersAndTheLongestTexts) {
  using namespace network_page;
  h.link.session().capabilityCode = "USEW";
  ASSERT_TRUE(networkPage().userSelect(kEthernetDhcpMode, 1));
  ASSERT_TRUE(networkPage().userSetAddress(kEthernetGateway, ipv4(192, 168, 10, 254)));
  ASSERT_TRUE(networkPage().userSetText(kSsid, std::string(32, 'S')));
  ASSERT_TRUE(networkPage().userSetText(kPassword, std::string(63, 'P')));
  h.family.write(1);
  ASSERT_EQ(h.writtenCodes(),
            (std::vector{FC::WriteInterface, FC::WriteInterface, FC::WriteWifiSettings}));
  EXPECT_EQ(h.writtenPayload(0), hex("00 C0 A8 0A 0A C0 A8 0A FE FF FF FF 00 23 8C 00"));
  EXPECT_EQ(h.writtenPayload(1), hex("01 C0 A8 C0 01 C0 A8 C0 01 FF FF FF 00 8C 23 01"));
  const std::vector<std::uint8_t> wifi = h.writtenPayload(2);
  ASSERT_EQ(wifi.size(), 100u);
  EXPECT_EQ(std::vector(wifi.begin(), wifi.begin() + 5), hex("55 33 77 20 3F"));
  EXPECT_TRUE(h.messageBoxes.texts().empty());
}

struct LengthCase {
  const char* name;
  int field;
  std::string text;
  const char* message;
};

class Q470WriteNetworkLengths : public Q470Write, public testing::WithParamInterface<LengthCase> {};

TEST_P(Q470WriteNetworkLengths, FailingTextIsShownAndNothingSentWhateverTheCode) {
  h.link.session().capabilityCode = "USE";
  {
    Dialog::SuppressNotifications quiet{networkPage()};
    networkPage().setText(GetParam().field, GetParam().text);
  }
  ASSERT_TRUE(networkPage().userSetText(network_page::kLocalPort, "9100"));  // reads the fields
  h.family.write(1);
  EXPECT_TRUE(h.link.writes().empty());
  EXPECT_EQ(h.messageBoxes.texts(), (std::vector<std::string>{GetParam().message}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Q470WriteNetworkLengths,
    testing::Values(LengthCase{"SsidEmpty", network_page::kSsid, "",
                               "Please check the number of characters in the SSID"},
                    LengthCase{"Ssid33", network_page::kSsid, std::string(33, 's'),
                               "Please check the number of characters in the SSID"},
                    LengthCase{"Password7", network_page::kPassword, "1234567",
                               "Please check the number of characters in the Password"},
                    LengthCase{"Password64", network_page::kPassword, std::string(64, 'p'),
                               "Please check the number of characters in the Password"},
                    LengthCase{"DeviceName21", network_page::kDeviceName, std::string(21, 'n'),
                               "Please check the number of characters in the Device name"},
                    LengthCase{"Pin3", network_page::kPinCode, "123",
                               "Please check the number of characters in the PIN code"},
                    LengthCase{"Pin9", network_page::kPinCode, "123456789",
                               "Please check the number of characters in the PIN code"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Q470Write, NetworkLengthChecksRunInTheirOrderAndStopAtTheFirst) {
  h.link.session().capabilityCode = "USSB";
  ASSERT_TRUE(networkPage().userSetText(network_page::kPinCode, "1"));
  ASSERT_TRUE(networkPage().userSetText(network_page::kPassword, "short"));
  h.family.write(1);
  EXPECT_TRUE(h.link.writes().empty());
  EXPECT_EQ(h.messageBoxes.texts(),
            (std::vector<std::string>{"Please check the number of characters in the Password"}));
}

}  // namespace
}  // namespace z3mq
