#include "framed/codec/print_settings_encode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "framed/black_mark_page.h"
#include "framed/codec/black_mark.h"
#include "framed/hex.h"

namespace z3mq {
namespace {

using test::hex;

TEST(PrintSettingsWrite, StartPageWritesFourteenRequestsInOrder) {
  const PrintSettingsWrite write = printSettingsWriteRequests(PrintSettings{});
  EXPECT_FALSE(write.codePageLeftOut);
  const std::vector<FramedRequest> expected{
      {FramedCode::WriteCodePage, hex("00 00")},
      {FramedCode::WriteBaudRate, hex("00")},
      {FramedCode::WriteParity, hex("00")},
      {FramedCode::WriteHandshaking, hex("00")},
      {FramedCode::WritePrintDensity, hex("30")},
      {FramedCode::WritePrintSpeed, hex("33")},
      {FramedCode::WritePaperWidth, hex("33")},
      {FramedCode::WriteColumns, hex("01")},
      {FramedCode::WriteCharacterSet, hex("00")},
      {FramedCode::WriteCodePageType, hex("01")},
      {FramedCode::WriteFontLanguage, hex("FB")},
      {FramedCode::WritePaperSaving, hex("01 00 02 00 03 00 04 00 05 00")},
      {FramedCode::WriteBlackMark, hex("01 00")},
      {FramedCode::WriteSettingItems,
       hex("01 01 00 02 01 01 03 01 01 04 01 01 05 01 00 06 01 00 07 01 00 08 01 00")},
  };
  EXPECT_EQ(write.requests, expected);
}

struct FieldCase {
  const char* name;
  std::function<void(PrintSettings&)> change;
  FramedCode code;
  const char* payload;
};

class PrintSettingsFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(PrintSettingsFieldTest, TravelsInItsRequest) {
  const FieldCase& c = GetParam();
  PrintSettings settings;
  c.change(settings);
  const auto requests = printSettingsWriteRequests(settings).requests;
  const auto found = std::find_if(requests.begin(), requests.end(),
                                  [&](const FramedRequest& r) { return r.code == c.code; });
  ASSERT_NE(found, requests.end());
  EXPECT_EQ(found->payload, hex(c.payload));
}

void enableBlackMark(PrintSettings& s, std::int32_t lengthMm, std::int32_t widthMm,
                     const char* printAfter, const char* cutAfter, const char* level) {
  test::setBlackMark(s, true, lengthMm, widthMm, printAfter, cutAfter, level);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PrintSettingsFieldTest,
    testing::Values(
        FieldCase{"CodePageRowNumberNotPageText", [](PrintSettings& s) { s.codePage = 6; },
                  FramedCode::WriteCodePage, "29 00"},
        FieldCase{"LastCodePage", [](PrintSettings& s) { s.codePage = 35; },
                  FramedCode::WriteCodePage, "31 00"},
        FieldCase{"IndexAsItsLowByte", [](PrintSettings& s) { s.baudRate = -1; },
                  FramedCode::WriteBaudRate, "FF"},
        FieldCase{"DensityAsAsciiDigit", [](PrintSettings& s) { s.printDensity = 7; },
                  FramedCode::WritePrintDensity, "37"},
        FieldCase{"SpeedAsAsciiDigit", [](PrintSettings& s) { s.printingSpeed = 0; },
                  FramedCode::WritePrintSpeed, "30"},
        FieldCase{"PaperWidth58", [](PrintSettings& s) { s.paperWidth = 1; },
                  FramedCode::WritePaperWidth, "55"},
        FieldCase{"PaperWidth50", [](PrintSettings& s) { s.paperWidth = 2; },
                  FramedCode::WritePaperWidth, "77"},
        FieldCase{"PaperWidthUnselected", [](PrintSettings& s) { s.paperWidth = -1; },
                  FramedCode::WritePaperWidth, "33"},
        FieldCase{"ColumnUnselected", [](PrintSettings& s) { s.column = -1; },
                  FramedCode::WriteColumns, "00"},
        FieldCase{"DoubleByteCodePageType", [](PrintSettings& s) { s.codePageType = 1; },
                  FramedCode::WriteCodePageType, "00"},
        FieldCase{"FontUtf8", [](PrintSettings& s) { s.multiLanguageFont = 4; },
                  FramedCode::WriteFontLanguage, "FD"},
        FieldCase{"FontUnicode", [](PrintSettings& s) { s.multiLanguageFont = 5; },
                  FramedCode::WriteFontLanguage, "FA"},
        FieldCase{"FontBeyondListSendsKorean", [](PrintSettings& s) { s.multiLanguageFont = 6; },
                  FramedCode::WriteFontLanguage, "FB"},
        FieldCase{"PaperSavingLevel2", [](PrintSettings& s) { s.paperSavingMode = 2; },
                  FramedCode::WritePaperSaving, "01 01 02 01 03 02 04 02 05 02"},
        FieldCase{"PaperSavingBeyondListSendsOff", [](PrintSettings& s) { s.paperSavingMode = 4; },
                  FramedCode::WritePaperSaving, "01 00 02 00 03 00 04 00 05 00"},
        FieldCase{"BlackMarkAtItsLowerBounds",
                  [](PrintSettings& s) { enableBlackMark(s, 50, 3, "-12", "-23", "30"); },
                  FramedCode::WriteBlackMark,
                  "01 01 02 90 01 00 00 03 18 00 00 00 04 A0 FF 05 48 FF 06 1E"},
        FieldCase{"BlackMarkTextsReadAsLeadingIntegers",
                  [](PrintSettings& s) { enableBlackMark(s, 500, 30, " +500mm", "7x", "210"); },
                  FramedCode::WriteBlackMark,
                  "01 01 02 A0 0F 00 00 03 F0 00 00 00 04 A0 0F 05 38 00 06 D2"},
        FieldCase{"SettingItems",
                  [](PrintSettings& s) {
                    s.nearSensorSound = 1;
                    s.usbMode = 1;
                    s.errorSound = 2;
                    s.externalBuzzerPattern = 2;
                    s.printFinishSound = 1;
                    s.handshakingOperation = 1;
                    s.customSwitches = {true, true, true, true, true, true, false, true};
                  },
                  FramedCode::WriteSettingItems,
                  "01 01 01 02 01 00 03 01 02 04 01 03 05 01 01 06 01 01 07 01 01 08 01 00"}),
    [](const auto& info) { return info.param.name; });

TEST(PrintSettingsWrite, CodePageWithoutARowIsLeftOutAndSaidSo) {
  for (const int codePage : {-1, 36}) {
    PrintSettings settings;
    settings.codePage = codePage;
    const PrintSettingsWrite write = printSettingsWriteRequests(settings);
    EXPECT_TRUE(write.codePageLeftOut) << codePage;
    ASSERT_EQ(write.requests.size(), 13u) << codePage;
    EXPECT_EQ(write.requests.front().code, FramedCode::WriteBaudRate) << codePage;
  }
}

struct CheckCase {
  const char* name;
  std::function<void(PrintSettings&)> change;
  const char* message;  // nullptr: all checks pass
};

class BlackMarkCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(BlackMarkCheckTest, ReportsTheFirstValueOutOfRange) {
  PrintSettings settings;
  GetParam().change(settings);
  const auto failure = blackMarkCheckFailure(settings);
  if (GetParam().message == nullptr) {
    EXPECT_EQ(failure, std::nullopt);
  } else {
    EXPECT_EQ(failure, GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, BlackMarkCheckTest,
    testing::Values(
        CheckCase{"DisabledChecksNothing",
                  [](PrintSettings& s) {
                    s.blackMarkLengthMm = 49;
                    s.bmValue = "";
                  },
                  nullptr},
        CheckCase{"LowerBoundsPass",
                  [](PrintSettings& s) { enableBlackMark(s, 50, 3, "-12", "-23", "30"); }, nullptr},
        CheckCase{"UpperBoundsPass",
                  [](PrintSettings& s) { enableBlackMark(s, 500, 30, "500", "500", "210"); },
                  nullptr},
        CheckCase{"LengthBelow",
                  [](PrintSettings& s) { enableBlackMark(s, 49, 3, "0", "0", "180"); },
                  "Check the range 50 ~ 500mm"},
        CheckCase{"LengthAbove",
                  [](PrintSettings& s) { enableBlackMark(s, 501, 3, "0", "0", "180"); },
                  "Check the range 50 ~ 500mm"},
        CheckCase{"WidthBelow",
                  [](PrintSettings& s) { enableBlackMark(s, 300, 2, "0", "0", "180"); },
                  "Check the range 3 ~ 30mm"},
        CheckCase{"WidthAbove",
                  [](PrintSettings& s) { enableBlackMark(s, 300, 31, "0", "0", "180"); },
                  "Check the range 3 ~ 30mm"},
        CheckCase{"PrintAfterBelow",
                  [](PrintSettings& s) { enableBlackMark(s, 300, 5, "-13", "0", "180"); },
                  "Check the range -12 ~ 500mm"},
        CheckCase{"PrintAfterAbove",
                  [](PrintSettings& s) { enableBlackMark(s, 300, 5, "501", "0", "180"); },
                  "Check the range -12 ~ 500mm"},
        CheckCase{"CutAfterBelow",
                  [](PrintSettings& s) { enableBlackMark(s, 300, 5, "0", "-24", "180"); },
                  "Check the range -23 ~ 500mm"},
        CheckCase{"LevelWithoutDigitsIsZero",
                  [](PrintSettings& s) { enableBlackMark(s, 300, 5, "0", "0", "abc"); },
                  "Check the level 30 ~ 210"},
        CheckCase{"LevelAbove",
                  [](PrintSettings& s) { enableBlackMark(s, 300, 5, "0", "0", "211"); },
                  "Check the level 30 ~ 210"},
        CheckCase{"FirstFailureWins",
                  [](PrintSettings& s) { enableBlackMark(s, 300, 2, "0", "0", "0"); },
                  "Check the range 3 ~ 30mm"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
