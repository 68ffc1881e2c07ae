#include "framed/print_settings_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framed/codec/frame.h"
#include "framed/codec/print_setting_lists.h"
#include "framed/hex.h"
#include "framed/page_fields.h"
#include "framed/print_settings_page_ids.h"
#include "support/fake_link.h"
#include "ui/dialog_observer.h"
#include "ui/headless/recording_message_boxes.h"

namespace z3mq {
namespace {

using namespace print_page;
using test::hex;

class PrintSettingsPageTest : public testing::Test {
 protected:
  PrintSettingsPageTest() {
    link.attach(0x28E9, 0x018A);
    link.open();
  }

  FakeLink link;
  RecordingMessageBoxes boxes;
  PrintSettingsPage page{link, boxes};
  Dialog& d = page.dialog();
};

template <std::size_t N>
std::vector<std::string> itemList(const std::array<std::string_view, N>& items) {
  return {items.begin(), items.end()};
}

struct ListStart {
  int id;
  std::vector<std::string> items;
  int selection;
};

TEST_F(PrintSettingsPageTest, ListsStartWithTheirItemsAndSelections) {
  std::vector<std::string> codePages;
  for (const CodePageRow& row : kCodePages) codePages.emplace_back(row.text);
  const ListStart lists[] = {
      {kCodePageType, itemList(kCodePageTypeItems), 0},
      {kCodePage, codePages, 0},
      {kMultiLanguageFont, itemList(kMultiLanguageFontItems), 0},
      {kInternationalCharacterSet, itemList(kInternationalCharacterSetItems), 0},
      {kBaudRate, itemList(kBaudRateItems), 0},
      {kParity, itemList(kParityItems), 0},
      {kHandshaking, itemList(kHandshakingItems), 0},
      {kDataBits, itemList(kDataBitsItems), 0},
      {kStopBits, itemList(kStopBitsItems), 0},
      {kPrintingSpeed, itemList(kPrintingSpeedItems), 3},
      {kPaperWidth, itemList(kPaperWidthItems), 0},
      {kColumn, itemList(kColumnItems), 1},
      {kPrintDensity, itemList(kPrintDensityItems), 0},
      {kUsbMode, itemList(kUsbModeItems), 0},
      {kHandshakingOperation, itemList(kHandshakingOperationItems), 0},
      {kErrorSound, itemList(kSoundItems), 1},
      {kPrintFinishSound, itemList(kSoundItems), 0},
      {kExternalBuzzerPattern, itemList(kExternalBuzzerPatternItems), 0},
      {kAutoCutMode, itemList(kAutoCutModeItems), 1},
      {kNearSensorSound, itemList(kNearSensorSoundItems), 0},
      {kPaperSavingMode, itemList(kPaperSavingModeItems), 0},
      {kBlackMarkMode, itemList(kBlackMarkModeItems), 0},
  };
  for (const ListStart& list : lists) {
    EXPECT_EQ(d.items(list.id), list.items) << list.id;
    EXPECT_EQ(d.selection(list.id), list.selection) << list.id;
  }
  EXPECT_FALSE(d.isVisible(kDataBits));
  EXPECT_FALSE(d.isVisible(kStopBits));
  EXPECT_EQ(page.values(), PrintSettings{});
}

TEST_F(PrintSettingsPageTest, BlackMarkFieldsStartWithTheirValuesAndOnlyBmValueEnabled) {
  const std::vector<std::pair<int, std::string>> fields{{kBlackMarkLength, "300"},
                                                        {kBlackMarkWidth, "5"},
                                                        {kPrintAfterBlackMark, "0"},
                                                        {kCutAfterBlackMark, "0"},
                                                        {kBmValue, "180"}};
  for (const auto& [id, text] : fields) {
    EXPECT_EQ(d.text(id), text) << id;
    EXPECT_EQ(d.isEnabled(id), id == kBmValue) << id;
  }
  for (int id = kFirstCustomSwitch; id < kFirstCustomSwitch + 8; ++id)
    EXPECT_FALSE(d.isChecked(id));
}

TEST_F(PrintSettingsPageTest, BlackMarkModeEnablesAndDisablesAllFiveFieldsBmValueIncluded) {
  const int group[] = {kBlackMarkLength, kBlackMarkWidth, kPrintAfterBlackMark, kCutAfterBlackMark,
                       kBmValue};
  ASSERT_TRUE(d.userSelect(kBlackMarkMode, 1));
  for (const int id : group) EXPECT_TRUE(d.isEnabled(id)) << id;
  ASSERT_TRUE(d.userSelect(kBlackMarkMode, 0));
  for (const int id : group) EXPECT_FALSE(d.isEnabled(id)) << id;
}

struct EditCase {
  const char* name;
  int id;
  const char* typed;
  const char* shown;  // what the field shows afterwards
  bool complains;     // "정수를 입력하십시오."
};

class BlackMarkEdit : public PrintSettingsPageTest, public testing::WithParamInterface<EditCase> {};

TEST_P(BlackMarkEdit, IntegerFieldsKeepTheLeadingNumberTextFieldsTheWholeText) {
  const EditCase& c = GetParam();
  ASSERT_TRUE(d.userSelect(kBlackMarkMode, 1));
  ASSERT_TRUE(d.userSetText(c.id, c.typed));
  EXPECT_EQ(d.text(c.id), c.shown);
  EXPECT_EQ(boxes.texts(), c.complains ? std::vector<std::string>{kEnterAnIntegerMessage}
                                       : std::vector<std::string>{});
  if (c.complains) {
    EXPECT_EQ(d.focusedControl(), c.id);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlackMarkEdit,
    testing::Values(
        EditCase{"LengthLetterFallsBack", kBlackMarkLength, "x", "300", true},
        EditCase{"LengthClearedFallsBack", kBlackMarkLength, "", "300", true},
        EditCase{"LengthNumberThenLetterKeepsTheNumber", kBlackMarkLength, "75mm", "75", false},
        EditCase{"LengthBlanksAndSign", kBlackMarkLength, "  +60", "60", false},
        EditCase{"WidthAcceptedAtOnce", kBlackMarkWidth, "7", "7", false},
        EditCase{"WidthSignWithoutDigits", kBlackMarkWidth, "-", "5", true},
        EditCase{"PrintAfterNegativeStaysAsTyped", kPrintAfterBlackMark, "-12", "-12", false},
        EditCase{"BmValueTextStaysWhole", kBmValue, "abc", "abc", false}),
    [](const auto& info) { return std::string(info.param.name); });

// Records the changes of one control.
class ChangeLog : public DialogObserver {
 public:
  explicit ChangeLog(int id) : id_(id) {}
  void controlChanged(const Dialog&, int controlId, ControlChange change) override {
    if (controlId == id_) changes.push_back(change);
  }
  void dialogVisibilityChanged(const Dialog&) override {}
  std::vector<ControlChange> changes;

 private:
  int id_;
};

TEST_F(PrintSettingsPageTest, RejectedIntegerIsFocusedAndSelectedThenLaterFieldsKeepTheirValues) {
  ASSERT_TRUE(d.userSelect(kBlackMarkMode, 1));
  ASSERT_TRUE(d.userSetText(kBlackMarkWidth, "9"));
  // The length is rejected while the width's text changes under it: the width field keeps 9.
  {
    Dialog::SuppressNotifications quiet{d};
    d.setText(kBlackMarkWidth, "12");
  }
  ChangeLog log{kBlackMarkLength};
  d.addObserver(log);
  ASSERT_TRUE(d.userSetText(kBlackMarkLength, "?"));
  d.removeObserver(log);
  EXPECT_EQ(log.changes, (std::vector{ControlChange::Text, ControlChange::Focus,
                                      ControlChange::TextSelection, ControlChange::Text}));
  EXPECT_EQ(d.text(kBlackMarkLength), "300");
  EXPECT_EQ(d.text(kBlackMarkWidth), "9");
  EXPECT_EQ(page.values().blackMarkWidthMm, 9);
}

TEST_F(PrintSettingsPageTest, PrintAsciiWritesTheTestLineOnlyWhileOpen) {
  ASSERT_TRUE(d.userClick(kPrintAsciiButton));
  ASSERT_EQ(link.writes().size(), 1u);
  const std::vector<std::uint8_t> line = link.writes()[0];
  ASSERT_EQ(line.size(), 95u);
  EXPECT_EQ(line.front(), 0x21);
  EXPECT_EQ(std::vector(line.end() - 3, line.end()), hex("7D 7E 0A"));
  EXPECT_EQ(link.session().responsePending, 0);

  link.close();
  link.clearWrites();
  ASSERT_TRUE(d.userClick(kPrintAsciiButton));
  EXPECT_TRUE(link.writes().empty());
  EXPECT_TRUE(boxes.texts().empty());
}

TEST_F(PrintSettingsPageTest, PrintSettingPageSendsItsFrame) {
  ASSERT_TRUE(d.userClick(kPrintSettingPageButton));
  ASSERT_EQ(link.writes().size(), 1u);
  const std::vector<std::uint8_t> frame = link.writes()[0];
  ASSERT_EQ(frame.size(), 16u);
  EXPECT_EQ(std::vector(frame.begin() + 4, frame.begin() + 11), hex("02 02 28 03 00 00 00"));
  EXPECT_EQ(std::vector(frame.begin() + 13, frame.begin() + 15), hex("54 12"));
  EXPECT_EQ(frame, buildFrame(LinkKind::SerialEmulate, FramedCode::PrintSettingPage,
                              std::vector<std::uint8_t>{0x54, 0x12, frame[15]}));
  EXPECT_EQ(link.session().responsePending, 1);
}

TEST_F(PrintSettingsPageTest, PrintSettingPageWithTheChannelClosedWritesNothing) {
  link.close();
  ASSERT_TRUE(d.userClick(kPrintSettingPageButton));
  EXPECT_TRUE(link.writes().empty());
  EXPECT_TRUE(boxes.texts().empty());
  EXPECT_EQ(link.session().responsePending, 1);
}

TEST_F(PrintSettingsPageTest, BlackMarkAnswerSetsModeEnablingAndFieldsLikeTheModeHandler) {
  page.applyAnswer(FramedCode::ReadBlackMark, hex("01 90 01 00 00 18 00 00 00 A0 FF 00 00 64"));
  EXPECT_EQ(d.selection(kBlackMarkMode), 1);
  const std::vector<std::pair<int, std::string>> shown{{kBlackMarkLength, "50"},
                                                       {kBlackMarkWidth, "3"},
                                                       {kPrintAfterBlackMark, "-12"},
                                                       {kCutAfterBlackMark, "0"},
                                                       {kBmValue, "100"}};
  for (const auto& [id, text] : shown) {
    EXPECT_EQ(d.text(id), text) << id;
    EXPECT_TRUE(d.isEnabled(id)) << id;
  }
  const PrintSettings values = page.values();
  EXPECT_EQ(values.blackMarkLengthMm, 50);
  EXPECT_EQ(values.blackMarkWidthMm, 3);
  EXPECT_EQ(values.printAfterBlackMark, "-12");

  page.applyAnswer(FramedCode::ReadBlackMark, hex("00 90 01 00 00 18 00 00 00 A0 FF 00 00 64"));
  EXPECT_EQ(d.selection(kBlackMarkMode), 0);
  for (const auto& [id, text] : shown) EXPECT_FALSE(d.isEnabled(id)) << id;
  EXPECT_TRUE(boxes.texts().empty());
}

TEST_F(PrintSettingsPageTest, AnswerIndexesOutsideTheirListsLeaveNoSelection) {
  // Code page 8 has no row, density '9' and baud rate 15 lie past their lists' ends.
  page.applyAnswer(FramedCode::ReadPrintSettings,
                   hex("08 2F 00 00 00 00 00 00 00 00 39 00 00 00 00 FB"));
  EXPECT_EQ(d.selection(kCodePage), -1);
  EXPECT_EQ(d.selection(kBaudRate), -1);
  EXPECT_EQ(d.selection(kPrintDensity), -1);
}

TEST_F(PrintSettingsPageTest, SettingItemsAnswerSetsTheCustomSwitchesAndSkipsMismatchedItems) {
  std::vector<std::uint8_t> answer(42, 0);
  const std::vector<std::uint8_t> finishSoundWrongNumber{5, 1, 2};
  std::copy(finishSoundWrongNumber.begin(), finishSoundWrongNumber.end(), answer.begin() + 24);
  const std::vector<std::uint8_t> switch1087{11, 1, 1};
  std::copy(switch1087.begin(), switch1087.end(), answer.begin() + 36);
  d.select(kPrintFinishSound, 1);
  page.applyAnswer(FramedCode::ReadSettingItems, answer);
  EXPECT_EQ(d.selection(kPrintFinishSound), 1);
  EXPECT_TRUE(d.isChecked(1087));
  EXPECT_FALSE(d.isChecked(1086));
}

}  // namespace
}  // namespace z3mq
