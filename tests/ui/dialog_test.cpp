#include "ui/dialog.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace z3mq {
namespace {

constexpr int kLabel = 10;
constexpr int kEdit = 11;
constexpr int kList = 12;
constexpr int kSortedList = 13;
constexpr int kCheck = 14;
constexpr int kButton = 15;
constexpr int kAddress = 16;
constexpr int kTabs = 17;
constexpr int kLog = 18;
constexpr int kHiddenEdit = 19;
constexpr int kDisabledList = 20;

DialogTemplate testTemplate() {
  return {
      .id = 156,
      .caption = "",
      .widthDlu = 440,
      .heightDlu = 240,
      .font = {"MS Shell Dlg", 8},
      .controls = {
          {.id = -1, .kind = ControlKind::GroupBox, .text = "Black Mark"},
          {.id = -1, .kind = ControlKind::Label, .text = "50~500mm"},
          {.id = 0, .kind = ControlKind::Label, .text = "3~30mm"},
          {.id = kLabel, .kind = ControlKind::Label, .text = "Model Name:"},
          {.id = kEdit, .kind = ControlKind::Edit, .text = "300"},
          {.id = kList,
           .kind = ControlKind::DropDownList,
           .items = {"Level1", "Level2", "Level3", "Level4", "Level5", "Level6", "Level7"}},
          {.id = kSortedList,
           .kind = ControlKind::DropDownList,
           .items = {"Static IP", "dynamic IP"},
           .style = {.sorted = true}},
          {.id = kCheck, .kind = ControlKind::CheckBox},
          {.id = kButton, .kind = ControlKind::PushButton, .text = "Print ASCII"},
          {.id = kAddress, .kind = ControlKind::Ipv4Address, .address = ipv4(192, 168, 192, 1)},
          {.id = kTabs,
           .kind = ControlKind::TabControl,
           .items = {"Menu Setting", "Ethernet / Wireless"}},
          {.id = kLog, .kind = ControlKind::RichText, .style = {.hidden = true, .disabled = true}},
          {.id = kHiddenEdit, .kind = ControlKind::Edit, .text = "0", .style = {.hidden = true}},
          {.id = kDisabledList,
           .kind = ControlKind::DropDownList,
           .items = {"Disable", "Enable"},
           .style = {.disabled = true}},
      }};
}

// Test output names a case by its name rather than by its bytes.
template <class Case>
requires requires(const Case& c) {
  c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

const char* changeName(ControlChange change) {
  static const char* const kNames[] = {"Text",     "Visibility", "Enabled",      "Selection",
                                       "Check",    "Address",    "TabItems",     "CurrentTab",
                                       "RichText", "Focus",      "TextSelection"};
  return kNames[static_cast<int>(change)];
}

const char* notificationName(Notification notification) {
  static const char* const kNames[] = {"EditChanged", "SelectionChanged", "Clicked",
                                       "TabSelectionChanged"};
  return kNames[static_cast<int>(notification)];
}

// Writes what observers hear ("11 Text") and what handlers are called for ("on 11 EditChanged")
// into one log, so that the order of the two shows as well.
class DialogTest : public testing::Test, public DialogObserver {
 protected:
  DialogTest() {
    dialog.addObserver(*this);
    const std::pair<int, Notification> table[] = {
        {kEdit, Notification::EditChanged},
        {kHiddenEdit, Notification::EditChanged},
        {kList, Notification::SelectionChanged},
        {kDisabledList, Notification::SelectionChanged},
        {kCheck, Notification::Clicked},
        {kButton, Notification::Clicked},
        {kTabs, Notification::TabSelectionChanged},
    };
    for (const auto& [id, notification] : table) {
      dialog.on(id, notification, [this, id = id, notification = notification] {
        log.push_back("on " + std::to_string(id) + " " + notificationName(notification));
      });
    }
  }

  void controlChanged(const Dialog& changed, int id, ControlChange change) override {
    EXPECT_EQ(&changed, &dialog);
    log.push_back(std::to_string(id) + " " + changeName(change));
  }
  void dialogVisibilityChanged(const Dialog& changed) override {
    log.push_back(changed.isDialogVisible() ? "dialog shown" : "dialog hidden");
  }

  Dialog dialog{testTemplate()};
  std::vector<std::string> log;
};

TEST_F(DialogTest, StartsAsTheTemplateSays) {
  EXPECT_EQ(dialog.id(), 156);
  EXPECT_TRUE(dialog.isDialogVisible());
  EXPECT_EQ(dialog.text(kLabel), "Model Name:");
  EXPECT_EQ(dialog.text(kEdit), "300");
  EXPECT_TRUE(dialog.isVisible(kEdit));
  EXPECT_TRUE(dialog.isEnabled(kEdit));
  EXPECT_FALSE(dialog.isVisible(kHiddenEdit));
  EXPECT_FALSE(dialog.isEnabled(kDisabledList));
  EXPECT_EQ(dialog.selection(kList), -1);
  EXPECT_EQ(dialog.items(kList).size(), 7u);
  EXPECT_FALSE(dialog.isChecked(kCheck));
  EXPECT_EQ(dialog.address(kAddress), 0xC0A8C001u);
  EXPECT_EQ(dialog.items(kTabs), (std::vector<std::string>{"Menu Setting", "Ethernet / Wireless"}));
  EXPECT_EQ(dialog.currentTab(kTabs), 0);
  EXPECT_TRUE(dialog.richText(kLog).empty());
  EXPECT_EQ(dialog.focusedControl(), 0);
  EXPECT_EQ(dialog.kind(kSortedList), ControlKind::DropDownList);
  EXPECT_FALSE(dialog.hasControl(-1));
  EXPECT_EQ(dialog.layout().controls.size(), 14u);
}

TEST_F(DialogTest, SortedListHoldsItsItemsSortedInModelAndLayout) {
  const std::vector<std::string> sorted{"dynamic IP", "Static IP"};
  EXPECT_EQ(dialog.items(kSortedList), sorted);
  EXPECT_EQ(dialog.layout().controls[6].items, sorted);
}

TEST_F(DialogTest, AddressReadsBackWithTheFirstOctetMostSignificant) {
  static_assert(ipv4(192, 168, 10, 10) == 0xC0A80A0A);
  dialog.setAddress(kAddress, ipv4(192, 168, 10, 10));
  EXPECT_EQ(dialog.address(kAddress), 0xC0A80A0Au);
  dialog.setAddress(kAddress, ipv4(255, 255, 255, 0));
  EXPECT_EQ(dialog.address(kAddress), 0xFFFFFF00u);
}

TEST_F(DialogTest, IntegerTextIsDecimalWithMinusSign) {
  for (const auto& [value, text] : {std::pair{9100, "9100"}, std::pair{-12, "-12"},
                                    std::pair{0, "0"}, std::pair{INT_MIN, "-2147483648"}}) {
    dialog.setInt(kEdit, value);
    EXPECT_EQ(dialog.text(kEdit), text);
  }
}

TEST_F(DialogTest, HiddenOrDisabledControlKeepsAndTakesProgramValues) {
  dialog.select(kDisabledList, 1);
  dialog.setText(kHiddenEdit, "5");
  dialog.enable(kDisabledList);
  dialog.show(kHiddenEdit);
  EXPECT_EQ(dialog.selection(kDisabledList), 1);
  EXPECT_EQ(dialog.text(kHiddenEdit), "5");
}

TEST_F(DialogTest, CheckBoxClickTogglesBeforeItsHandlerRuns) {
  std::vector<bool> seen;
  Dialog boxes{{.controls = {{.id = 1080, .kind = ControlKind::CheckBox}}}};
  boxes.on(1080, Notification::Clicked, [&] { seen.push_back(boxes.isChecked(1080)); });
  EXPECT_TRUE(boxes.userClick(1080));
  EXPECT_TRUE(boxes.userClick(1080));
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(DialogTest, UserTextIsInTheModelWhenItsHandlerRuns) {
  std::string seen;
  Dialog page{{.controls = {{.id = 1298, .kind = ControlKind::Edit}}}};
  page.on(1298, Notification::EditChanged, [&] { seen = page.text(1298); });
  EXPECT_TRUE(page.userSetText(1298, "Q470_PRINTER"));
  EXPECT_EQ(seen, "Q470_PRINTER");
}

TEST_F(DialogTest, RichTextKeepsEachColouredPieceInOrder) {
  dialog.appendRichText(kLog, 1, "Print Setting Page\n");
  dialog.appendRichText(kLog, 0, "Device removed\n");
  EXPECT_EQ(dialog.richText(kLog),
            (std::vector<ColouredText>{{1, "Print Setting Page\n"}, {0, "Device removed\n"}}));
}

TEST_F(DialogTest, RemovedObserverHearsNothing) {
  dialog.removeObserver(*this);
  dialog.setText(kLabel, "SN:");
  dialog.hideDialog();
  EXPECT_TRUE(log.empty());
}

// What one action makes observers hear and handlers receive, in order.
struct ReactionCase {
  const char* name;
  std::function<void(Dialog&)> act;
  std::vector<std::string> log;
};

class DialogReactions : public DialogTest, public testing::WithParamInterface<ReactionCase> {};

TEST_P(DialogReactions, ObserversHearChangesAndHandlersTheirNotifications) {
  GetParam().act(dialog);
  EXPECT_EQ(log, GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogReactions,
    testing::Values(
        ReactionCase{"ProgramEditTextNotifies",
                     [](Dialog& d) { d.setText(kEdit, "301"); },
                     {"11 Text", "on 11 EditChanged"}},
        ReactionCase{"ProgramSameEditTextStillNotifies",
                     [](Dialog& d) { d.setText(kEdit, "300"); },
                     {"on 11 EditChanged"}},
        ReactionCase{"ProgramIntegerIsEditText",
                     [](Dialog& d) { d.setInt(kEdit, -12); },
                     {"11 Text", "on 11 EditChanged"}},
        ReactionCase{"ProgramTextOfHiddenEditNotifies",
                     [](Dialog& d) { d.setText(kHiddenEdit, "5"); },
                     {"19 Text", "on 19 EditChanged"}},
        ReactionCase{"ProgramLabelTextOnlyChanges",
                     [](Dialog& d) { d.setText(kLabel, "SN:"); },
                     {"10 Text"}},
        ReactionCase{
            "ProgramSelectionIsSilent", [](Dialog& d) { d.select(kList, 2); }, {"12 Selection"}},
        ReactionCase{
            "ProgramCheckIsSilent", [](Dialog& d) { d.setChecked(kCheck, true); }, {"14 Check"}},
        ReactionCase{"ProgramAddressIsSilent",
                     [](Dialog& d) { d.setAddress(kAddress, ipv4(10, 0, 0, 1)); },
                     {"16 Address"}},
        ReactionCase{"ProgramCurrentTabIsSilent",
                     [](Dialog& d) { d.setCurrentTab(kTabs, 1); },
                     {"17 CurrentTab"}},
        ReactionCase{"ProgramTabInsertionIsSilent",
                     [](Dialog& d) { d.insertTabItem(kTabs, 0, "First"); },
                     {"17 TabItems", "17 CurrentTab"}},
        ReactionCase{"DeletingTheCurrentLastTabMovesCurrentSilently",
                     [](Dialog& d) {
                       d.setCurrentTab(kTabs, 1);
                       d.deleteTabItem(kTabs, 1);
                     },
                     {"17 CurrentTab", "17 TabItems", "17 CurrentTab"}},
        ReactionCase{
            "DeletingAMissingTabDoesNothing", [](Dialog& d) { d.deleteTabItem(kTabs, 2); }, {}},
        ReactionCase{"UnchangedStateIsNotReported",
                     [](Dialog& d) {
                       d.select(kList, 7);
                       d.setChecked(kCheck, false);
                       d.setAddress(kAddress, ipv4(192, 168, 192, 1));
                       d.setCurrentTab(kTabs, 0);
                       d.setCurrentTab(kTabs, 5);
                       d.show(kEdit);
                       d.enable(kEdit);
                       d.setText(kLabel, "Model Name:");
                       d.showDialog();
                     },
                     {}},
        ReactionCase{"VisibilityAndEnabling",
                     [](Dialog& d) {
                       d.hide(kButton);
                       d.disable(kButton);
                       d.show(kButton);
                     },
                     {"15 Visibility", "15 Enabled", "15 Visibility"}},
        ReactionCase{"DialogShownAndHiddenAsAWhole",
                     [](Dialog& d) {
                       d.hideDialog();
                       d.hideDialog();
                       d.showDialog();
                     },
                     {"dialog hidden", "dialog shown"}},
        ReactionCase{"RichTextAppended",
                     [](Dialog& d) { d.appendRichText(kLog, 2, "x\n"); },
                     {"18 RichText"}},
        ReactionCase{"FocusMovesOnce",
                     [](Dialog& d) {
                       d.focus(kEdit);
                       d.focus(kEdit);
                     },
                     {"11 Focus"}},
        ReactionCase{"WholeTextSelectedOnceUntilTheTextChanges",
                     [](Dialog& d) {
                       d.selectAllText(kEdit);
                       d.selectAllText(kEdit);
                       d.setText(kEdit, "300");
                       d.selectAllText(kEdit);
                       d.setText(kEdit, "301");
                       d.selectAllText(kEdit);
                     },
                     {"11 TextSelection", "on 11 EditChanged", "11 Text", "on 11 EditChanged",
                      "11 TextSelection"}},
        ReactionCase{"UserTextChangesThenNotifies",
                     [](Dialog& d) { d.userSetText(kEdit, "7"); },
                     {"11 Text", "on 11 EditChanged"}},
        ReactionCase{"UserSelectionChangesThenNotifies",
                     [](Dialog& d) { d.userSelect(kList, 3); },
                     {"12 Selection", "on 12 SelectionChanged"}},
        ReactionCase{"UserReselectionNotifiesAgain",
                     [](Dialog& d) {
                       d.userSelect(kList, 3);
                       d.userSelect(kList, 3);
                     },
                     {"12 Selection", "on 12 SelectionChanged", "on 12 SelectionChanged"}},
        ReactionCase{"UserCheckClickTogglesThenNotifies",
                     [](Dialog& d) { d.userClick(kCheck); },
                     {"14 Check", "on 14 Clicked"}},
        ReactionCase{
            "UserButtonClickNotifies", [](Dialog& d) { d.userClick(kButton); }, {"on 15 Clicked"}},
        ReactionCase{"UserTabChangeNotifies",
                     [](Dialog& d) { d.userSelectTab(kTabs, 1); },
                     {"17 CurrentTab", "on 17 TabSelectionChanged"}},
        ReactionCase{"UserChoosingTheCurrentTabDoesNothing",
                     [](Dialog& d) { d.userSelectTab(kTabs, 0); },
                     {}},
        ReactionCase{
            "UserChoosingAMissingTabDoesNothing", [](Dialog& d) { d.userSelectTab(kTabs, 2); }, {}},
        ReactionCase{"UserAddressIsSilent",
                     [](Dialog& d) { d.userSetAddress(kAddress, ipv4(10, 0, 0, 1)); },
                     {"16 Address"}},
        ReactionCase{"SuppressedHandlersStillLetTheModelChange",
                     [](Dialog& d) {
                       Dialog::SuppressNotifications quiet{d};
                       d.setText(kEdit, "1");
                       d.userClick(kCheck);
                     },
                     {"11 Text", "14 Check"}},
        ReactionCase{"NestedSuppressionLastsUntilTheOuterGuardEnds",
                     [](Dialog& d) {
                       {
                         Dialog::SuppressNotifications outer{d};
                         { Dialog::SuppressNotifications inner{d}; }
                         d.setText(kEdit, "1");
                       }
                       d.setText(kEdit, "2");
                     },
                     {"11 Text", "11 Text", "on 11 EditChanged"}}),
    [](const auto& info) { return info.param.name; });

// User input that a control does not take: nothing changes and nothing is notified.
struct IgnoredInputCase {
  const char* name;
  std::function<void(Dialog&)> prepare;
  std::function<bool(Dialog&)> input;
};

class IgnoredInput : public DialogTest, public testing::WithParamInterface<IgnoredInputCase> {};

auto snapshot(const Dialog& d) {
  return std::tuple{
      d.text(kEdit),       d.text(kHiddenEdit), d.selection(kList), d.selection(kDisabledList),
      d.isChecked(kCheck), d.address(kAddress), d.currentTab(kTabs)};
}

TEST_P(IgnoredInput, LeavesValueAndHandlersAlone) {
  GetParam().prepare(dialog);
  const auto before = snapshot(dialog);
  log.clear();
  EXPECT_FALSE(GetParam().input(dialog));
  EXPECT_EQ(snapshot(dialog), before);
  EXPECT_TRUE(log.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IgnoredInput,
    testing::Values(IgnoredInputCase{"HiddenEdit", [](Dialog&) {},
                                     [](Dialog& d) { return d.userSetText(kHiddenEdit, "9"); }},
                    IgnoredInputCase{"DisabledList", [](Dialog& d) { d.select(kDisabledList, 0); },
                                     [](Dialog& d) { return d.userSelect(kDisabledList, 1); }},
                    IgnoredInputCase{"DisabledCheckBox", [](Dialog& d) { d.disable(kCheck); },
                                     [](Dialog& d) { return d.userClick(kCheck); }},
                    IgnoredInputCase{"DisabledButton", [](Dialog& d) { d.disable(kButton); },
                                     [](Dialog& d) { return d.userClick(kButton); }},
                    IgnoredInputCase{"HiddenAddress", [](Dialog& d) { d.hide(kAddress); },
                                     [](Dialog& d) { return d.userSetAddress(kAddress, 1); }},
                    IgnoredInputCase{"DisabledTabControl", [](Dialog& d) { d.disable(kTabs); },
                                     [](Dialog& d) { return d.userSelectTab(kTabs, 1); }},
                    IgnoredInputCase{"ControlOfHiddenDialog", [](Dialog& d) { d.hideDialog(); },
                                     [](Dialog& d) { return d.userSetText(kEdit, "9"); }}),
    [](const auto& info) { return info.param.name; });

struct SelectCase {
  const char* name;
  int before;
  int index;
  int after;
};

class ListSelection : public testing::TestWithParam<SelectCase> {};

TEST_P(ListSelection, OutsideTheItemsLeavesNoSelection) {
  Dialog d{testTemplate()};
  d.select(kList, GetParam().before);
  d.select(kList, GetParam().index);
  EXPECT_EQ(d.selection(kList), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListSelection,
                         testing::Values(SelectCase{"FirstItem", -1, 0, 0},
                                         SelectCase{"LastItem", 3, 6, 6},
                                         SelectCase{"OnePastTheEndClears", 3, 7, -1},
                                         SelectCase{"FarPastTheEndClears", 3, 1000, -1},
                                         SelectCase{"NegativeClears", 3, -1, -1}),
                         [](const auto& info) { return info.param.name; });

struct TabCase {
  const char* name;
  std::vector<std::string> items;
  int current;
  std::function<void(Dialog&)> act;
  std::vector<std::string> itemsAfter;
  int currentAfter;
};

class TabItems : public testing::TestWithParam<TabCase> {};

TEST_P(TabItems, InsertAndDeleteKeepACurrentItem) {
  const TabCase& c = GetParam();
  Dialog d{{.controls = {{.id = 1220, .kind = ControlKind::TabControl, .items = c.items}}}};
  d.setCurrentTab(1220, c.current);
  c.act(d);
  EXPECT_EQ(d.items(1220), c.itemsAfter);
  EXPECT_EQ(d.tabCount(1220), static_cast<int>(c.itemsAfter.size()));
  EXPECT_EQ(d.currentTab(1220), c.currentAfter);
}

const auto insert = [](int index) {
  return [index](Dialog& d) { d.insertTabItem(1220, index, "X"); };
};
const auto erase = [](int index) { return [index](Dialog& d) { d.deleteTabItem(1220, index); }; };
const auto choose = [](int index) { return [index](Dialog& d) { d.setCurrentTab(1220, index); }; };

INSTANTIATE_TEST_SUITE_P(
    Cases, TabItems,
    testing::Values(TabCase{"DeleteMissingItemOfOne", {"A"}, 0, erase(1), {"A"}, 0},
                    TabCase{"DeleteNegativeIndex", {"A"}, 0, erase(-1), {"A"}, 0},
                    TabCase{"DeleteCurrentLastItem", {"A", "B"}, 1, erase(1), {"A"}, 0},
                    TabCase{"DeleteCurrentMiddleItem", {"A", "B", "C"}, 1, erase(1), {"A", "C"}, 1},
                    TabCase{"DeleteBeforeCurrent", {"A", "B", "C"}, 2, erase(0), {"B", "C"}, 1},
                    TabCase{"DeleteAfterCurrent", {"A", "B"}, 0, erase(1), {"A"}, 0},
                    TabCase{"DeleteOnlyItem", {"A"}, 0, erase(0), {}, -1},
                    TabCase{"InsertIntoEmptyMakesItCurrent", {}, -1, insert(0), {"X"}, 0},
                    TabCase{"InsertPastTheEndAppends", {"A"}, 0, insert(5), {"A", "X"}, 0},
                    TabCase{"InsertBeforeCurrent", {"A", "B"}, 1, insert(0), {"X", "A", "B"}, 2},
                    TabCase{"InsertAtNegativeIndexDoesNothing", {"A"}, 0, insert(-1), {"A"}, 0},
                    TabCase{
                        "ChooseMissingItemDoesNothing", {"A", "B"}, 1, choose(2), {"A", "B"}, 1}),
    [](const auto& info) { return info.param.name; });

// Asking for what is not there is a programming error and must not pass silently.
struct MisuseCase {
  const char* name;
  std::function<void(Dialog&)> act;
};

class Misuse : public testing::TestWithParam<MisuseCase> {};

TEST_P(Misuse, Throws) {
  Dialog d{testTemplate()};
  EXPECT_THROW(GetParam().act(d), std::logic_error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Misuse,
    testing::Values(MisuseCase{"MissingId", [](Dialog& d) { d.text(999); }},
                    MisuseCase{"UnnamedId", [](Dialog& d) { d.show(-1); }},
                    MisuseCase{"ZeroId", [](Dialog& d) { d.isVisible(0); }},
                    MisuseCase{"SelectOnEdit", [](Dialog& d) { d.select(kEdit, 0); }},
                    MisuseCase{"TextOfList", [](Dialog& d) { d.text(kList); }},
                    MisuseCase{"CheckOnButton", [](Dialog& d) { d.setChecked(kButton, true); }},
                    MisuseCase{"AddressOfEdit", [](Dialog& d) { d.address(kEdit); }},
                    MisuseCase{"TabItemOnList", [](Dialog& d) { d.insertTabItem(kList, 0, "x"); }},
                    MisuseCase{"RichTextOnEdit",
                               [](Dialog& d) { d.appendRichText(kEdit, 0, "x"); }},
                    MisuseCase{"UserClickOnLabel", [](Dialog& d) { d.userClick(kLabel); }},
                    MisuseCase{"UserTextOnList", [](Dialog& d) { d.userSetText(kList, "x"); }},
                    MisuseCase{"EditHandlerOnList",
                               [](Dialog& d) { d.on(kList, Notification::EditChanged, [] {}); }},
                    MisuseCase{"ClickHandlerOnEdit",
                               [](Dialog& d) { d.on(kEdit, Notification::Clicked, [] {}); }},
                    MisuseCase{"SecondHandlerForTheSameNotification",
                               [](Dialog& d) {
                                 d.on(kButton, Notification::Clicked, [] {});
                                 d.on(kButton, Notification::Clicked, [] {});
                               }},
                    MisuseCase{"TemplateWithAnIdTwice",
                               [](Dialog&) {
                                 Dialog twice{{.controls = {{.id = 5, .kind = ControlKind::Label},
                                                            {.id = 5, .kind = ControlKind::Edit}}}};
                               }}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
