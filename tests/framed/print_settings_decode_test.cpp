#include "framed/codec/print_settings_decode.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "framed/black_mark_page.h"
#include "framed/hex.h"

namespace z3mq {
namespace {

using test::hex;
using test::setBlackMark;

// A page whose every value differs from what the answers below carry, so that a value an
// answer must leave alone cannot pass by chance.
PrintSettings pageBeforeTheAnswer() {
  PrintSettings s;
  s.codePageType = 1;
  s.codePage = 3;
  s.multiLanguageFont = 2;
  s.internationalCharacterSet = 9;
  s.baudRate = 4;
  s.parity = 1;
  s.handshaking = 2;
  s.dataBits = 1;
  s.stopBits = 1;
  s.printingSpeed = 1;
  s.paperWidth = 1;
  s.column = 1;
  s.printDensity = 4;
  s.usbMode = 1;
  s.handshakingOperation = 1;
  s.errorSound = 2;
  s.printFinishSound = 2;
  s.externalBuzzerPattern = 1;
  s.autoCutMode = 0;
  s.nearSensorSound = 1;
  s.paperSavingMode = 1;
  s.customSwitches = {true, false, true, false, true, false, false, true};
  s.blackMarkMode = 1;
  s.enableBlackMarkFields(true);
  s.blackMarkLengthMm = 100;
  s.blackMarkWidthMm = 10;
  s.printAfterBlackMark = "5";
  s.cutAfterBlackMark = "6";
  s.bmValue = "50";
  return s;
}

// ReadPrintSettings sets all ten of its values every time.
struct PrintSettingsCase {
  const char* name;
  std::vector<std::uint8_t> payload;
  std::array<int, 10> expected;  // code page, baud, parity, handshaking, auto cut, density,
                                 // speed, paper width, column, font
};

class PrintSettingsAnswerTest : public testing::TestWithParam<PrintSettingsCase> {};

TEST_P(PrintSettingsAnswerTest, SetsItsTenValuesAndNothingElse) {
  PrintSettings actual = pageBeforeTheAnswer();
  applyPrintSettingsAnswer(GetParam().payload, actual);
  PrintSettings expected = pageBeforeTheAnswer();
  const auto& e = GetParam().expected;
  expected.codePage = e[0];
  expected.baudRate = e[1];
  expected.parity = e[2];
  expected.handshaking = e[3];
  expected.autoCutMode = e[4];
  expected.printDensity = e[5];
  expected.printingSpeed = e[6];
  expected.paperWidth = e[7];
  expected.column = e[8];
  expected.multiLanguageFont = e[9];
  EXPECT_EQ(actual, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PrintSettingsAnswerTest,
    testing::Values(
        // Code page number 6 is 'Page 51 PC1251', index 27.
        PrintSettingsCase{"EveryField",
                          hex("06 25 06 AA AA 01 AA AA AA 01 37 32 77 01 AA FA"),
                          {27, 5, 2, 1, 0, 7, 2, 2, 1, 5}},
        PrintSettingsCase{"OtherFontAndPaperCodes",
                          hex("00 00 00 00 00 00 00 00 00 00 30 30 55 00 00 FE"),
                          {0, 0, 0, 0, 1, 0, 0, 1, 0, 2}},
        // Number 8 has no row, baud 0x2F gives 15, density '9' lies past the eighth level.
        PrintSettingsCase{"IndexesBeyondTheirListsLeaveNoSelection",
                          hex("08 2F 03 00 00 03 00 00 00 01 39 33 33 00 00 FB"),
                          {-1, -1, -1, -1, 0, -1, 3, 0, 0, 0}},
        // Number 41 is 'Page 15 ISO8859_7', index 6.
        PrintSettingsCase{"UnknownBytesFallBackToTheFirstItem",
                          hex("29 00 00 00 00 00 00 00 00 FE 41 34 5A 02 00 F9"),
                          {6, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
        // Number 16 is 'Page 16 WPC1252', index 7.
        PrintSettingsCase{
            "ShortAnswerReadsMissingBytesAsZero", hex("10"), {7, 0, 0, 0, 1, 0, 0, 0, 0, 0}}),
    [](const auto& info) { return info.param.name; });

using Apply = void (*)(std::span<const std::uint8_t>, PrintSettings&);

struct DecodeCase {
  const char* name;
  Apply apply;
  std::vector<std::uint8_t> payload;
  std::function<void(PrintSettings&)> expectChanges;
};

class PrintSettingsDecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(PrintSettingsDecodeTest, ChangesOnlyWhatTheAnswerCarries) {
  const DecodeCase& c = GetParam();
  PrintSettings actual = pageBeforeTheAnswer();
  c.apply(c.payload, actual);
  PrintSettings expected = pageBeforeTheAnswer();
  c.expectChanges(expected);
  EXPECT_EQ(actual, expected);
}

// A ReadSettingItems answer with the given (offset, number, presence, value) items.
std::vector<std::uint8_t> settingItems(std::initializer_list<std::array<std::uint8_t, 4>> items) {
  std::vector<std::uint8_t> payload(42, 0);
  for (const auto& [offset, number, present, value] : items) {
    payload[offset] = number;
    payload[offset + 1u] = present;
    payload[offset + 2u] = value;
  }
  return payload;
}

INSTANTIATE_TEST_SUITE_P(
    PaperSavingAnswer, PrintSettingsDecodeTest,
    testing::Values(DecodeCase{"LevelTwo", applyPaperSavingAnswer, hex("01 01 02 02 02"),
                               [](PrintSettings& s) { s.paperSavingMode = 2; }},
                    DecodeCase{"LevelThree", applyPaperSavingAnswer, hex("01 01 03 03 03"),
                               [](PrintSettings& s) { s.paperSavingMode = 3; }},
                    DecodeCase{"LastLevelDiffersDisables", applyPaperSavingAnswer,
                               hex("01 01 02 02 03"),
                               [](PrintSettings& s) { s.paperSavingMode = 0; }},
                    DecodeCase{"MiddleLevelDiffersDisables", applyPaperSavingAnswer,
                               hex("01 01 02 03 02"),
                               [](PrintSettings& s) { s.paperSavingMode = 0; }},
                    DecodeCase{"LevelFourDisables", applyPaperSavingAnswer, hex("01 01 04 04 04"),
                               [](PrintSettings& s) { s.paperSavingMode = 0; }},
                    DecodeCase{"SwitchedOffDisables", applyPaperSavingAnswer, hex("00 01 01 01 01"),
                               [](PrintSettings& s) { s.paperSavingMode = 0; }},
                    DecodeCase{"ShortAnswerDisables", applyPaperSavingAnswer, hex("01 01 01 01"),
                               [](PrintSettings& s) { s.paperSavingMode = 0; }}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    SettingItemsAnswer, PrintSettingsDecodeTest,
    testing::Values(
        DecodeCase{"EveryItem", applySettingItemsAnswer,
                   settingItems({{0, 1, 1, 0},
                                 {3, 2, 1, 7},
                                 {6, 3, 1, 0x05},
                                 {9, 4, 1, 3},
                                 {24, 7, 1, 0x05},
                                 {27, 8, 1, 17},
                                 {30, 9, 1, 0x03},
                                 {33, 10, 1, 0x02},
                                 {36, 11, 1, 0x02},
                                 {39, 12, 1, 0x03}}),
                   [](PrintSettings& s) {
                     s.nearSensorSound = 0;
                     s.usbMode = 0;
                     s.errorSound = 1;
                     s.externalBuzzerPattern = 2;
                     s.printFinishSound = 1;
                     s.internationalCharacterSet = 17;
                     s.codePageType = 0;
                     s.handshakingOperation = 0;
                     s.customSwitches[7] = false;  // 1087
                     s.customSwitches[6] = true;   // 1086
                   }},
        DecodeCase{"WrongItemNumberLeavesItsValue", applySettingItemsAnswer,
                   settingItems({{24, 5, 1, 0x01}, {6, 3, 1, 0x00}}),
                   [](PrintSettings& s) { s.errorSound = 0; }},
        DecodeCase{"ItemNotMarkedPresentLeavesItsValue", applySettingItemsAnswer,
                   settingItems({{3, 2, 0, 5}, {27, 8, 2, 5}}), [](PrintSettings&) {}},
        DecodeCase{"ValuesBeyondTheLists", applySettingItemsAnswer,
                   settingItems({{6, 3, 1, 0x03}, {9, 4, 1, 0}, {24, 7, 1, 0x07}, {27, 8, 1, 18}}),
                   [](PrintSettings& s) {
                     s.errorSound = -1;
                     s.externalBuzzerPattern = 0;
                     s.printFinishSound = -1;
                     s.internationalCharacterSet = 0;
                   }},
        // Ends inside item 7: its number is there, its presence byte is not.
        DecodeCase{
            "ShortAnswerAppliesWhatItCarries", applySettingItemsAnswer,
            hex("01 01 00 02 01 05 03 01 00 04 01 03 00 00 00 00 00 00 00 00 00 00 00 00 07"),
            [](PrintSettings& s) {
              s.nearSensorSound = 0;
              s.usbMode = 0;
              s.errorSound = 0;
              s.externalBuzzerPattern = 2;
            }}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    BlackMarkAnswer, PrintSettingsDecodeTest,
    testing::Values(
        DecodeCase{"DotsBecomeMillimetres", applyBlackMarkAnswer,
                   hex("01 90 01 00 00 18 00 00 00 A0 FF 00 00 64"),
                   [](PrintSettings& s) { setBlackMark(s, true, 50, 3, "-12", "0", "100"); }},
        DecodeCase{"DivisionTruncatesTowardZero", applyBlackMarkAnswer,
                   hex("07 9C FF FF FF 0F 00 00 00 9C FF 47 FF FF"),
                   [](PrintSettings& s) { setBlackMark(s, true, -12, 1, "-12", "-23", "255"); }},
        DecodeCase{"ModeZeroDisablesAllFiveFields", applyBlackMarkAnswer,
                   hex("00 60 09 00 00 28 00 00 00 00 00 00 00 B4"),
                   [](PrintSettings& s) { setBlackMark(s, false, 300, 5, "0", "0", "180"); }},
        DecodeCase{"ShortAnswerReadsMissingBytesAsZero", applyBlackMarkAnswer, hex("01 08"),
                   [](PrintSettings& s) { setBlackMark(s, true, 1, 0, "0", "0", "0"); }}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
