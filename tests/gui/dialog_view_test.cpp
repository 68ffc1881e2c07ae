#include "gui/dialog_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "gui/group_frame.h"
#include "gui/ipv4_address_edit.h"
#include "gui/static_text.h"
#include "gui/tab_control_widget.h"

namespace z3mq {
namespace {

enum : int {
  kLabel = 10,
  kGroup,
  kPicture,
  kButton,
  kCheck,
  kList,
  kEdit,
  kAddress,
  kTabs,
  kLog,
  kSortedList,
  kHiddenButton,
  kDisabledEdit,
};

constexpr int kBannerImage = 152;

DialogTemplate everyKind() {
  return {.id = 999,
          .widthDlu = 300,
          .heightDlu = 200,
          .font = {"MS Shell Dlg", 8},
          .controls = {
              {.id = kLabel,
               .kind = ControlKind::Label,
               .text = "Model Name:",
               .rect = {10, 10, 100, 8},
               .style = {.centred = true}},
              {.id = kPicture,
               .kind = ControlKind::Picture,
               .rect = {0, 0, 13, 11},
               .imageId = kBannerImage},
              {.id = kButton,
               .kind = ControlKind::PushButton,
               .text = "READ",
               .rect = {10, 30, 60, 14}},
              {.id = kCheck, .kind = ControlKind::CheckBox, .rect = {80, 30, 9, 10}},
              {.id = kList,
               .kind = ControlKind::DropDownList,
               .items = {"4800", "9600", "19200"},
               .rect = {10, 50, 60, 30}},
              {.id = kEdit,
               .kind = ControlKind::Edit,
               .text = "300",
               .rect = {80, 50, 40, 14},
               .style = {.centred = true}},
              {.id = kAddress,
               .kind = ControlKind::Ipv4Address,
               .rect = {130, 50, 88, 15},
               .address = ipv4(192, 168, 10, 10)},
              {.id = kTabs,
               .kind = ControlKind::TabControl,
               .items = {"Menu Setting"},
               .rect = {10, 90, 200, 100}},
              {.id = kLog,
               .kind = ControlKind::RichText,
               .rect = {220, 10, 29, 13},
               .style = {.hidden = true, .disabled = true}},
              {.id = kSortedList,
               .kind = ControlKind::DropDownList,
               .items = {"WPA2_PSK", "OPEN", "WPA_PSK"},
               .rect = {130, 70, 60, 30},
               .style = {.sorted = true}},
              {.id = kHiddenButton,
               .kind = ControlKind::PushButton,
               .text = "Reset Printer",
               .rect = {220, 30, 60, 14},
               .style = {.hidden = true, .disabled = true}},
              {.id = kDisabledEdit,
               .kind = ControlKind::Edit,
               .text = "5",
               .rect = {220, 50, 40, 14},
               .style = {.disabled = true}},
              // Listed after the controls it frames, as templates often do.
              {.id = kGroup,
               .kind = ControlKind::GroupBox,
               .text = "Byte 4 (AutoCut && Sound)",
               .rect = {5, 25, 120, 60}},
              {.id = -1, .kind = ControlKind::Label, .text = "50~500mm", .rect = {220, 70, 40, 8}},
          }};
}

QPixmap banner() {
  QPixmap image(800, 71);
  image.fill(Qt::darkCyan);
  return image;
}

const std::vector<QColor> kLogColours{Qt::red, Qt::blue};

// The dialog of every kind, its view, and a record of the notifications its handlers heard.
class DialogViewTest : public testing::Test {
 protected:
  DialogViewTest() {
    for (int id : {kButton, kCheck}) {
      dialog.on(id, Notification::Clicked,
                [this, id] { heard.emplace_back(id, Notification::Clicked); });
    }
    for (int id : {kList, kSortedList}) {
      dialog.on(id, Notification::SelectionChanged,
                [this, id] { heard.emplace_back(id, Notification::SelectionChanged); });
    }
    dialog.on(kEdit, Notification::EditChanged,
              [this] { heard.emplace_back(kEdit, Notification::EditChanged); });
    dialog.on(kTabs, Notification::TabSelectionChanged,
              [this] { heard.emplace_back(kTabs, Notification::TabSelectionChanged); });
    view.show();
    // Focus moves only within the active window.
    QApplication::setActiveWindow(&view);
  }

  template <typename W>
  W* widget(int id) {
    auto* w = qobject_cast<W*>(view.controlWidget(id));
    EXPECT_NE(w, nullptr) << "control " << id;
    return w;
  }

  QRect expectedRect(const RectDlu& dlu) const { return toPixels(dlu, view.baseUnits()); }

  Dialog dialog{everyKind()};
  DialogView view{dialog,
                  {.image = [](int id) { return id == kBannerImage ? banner() : QPixmap{}; },
                   .richTextColours = kLogColours}};
  std::vector<std::pair<int, Notification>> heard;
};

template <typename W>
bool is(QWidget* widget) {
  return dynamic_cast<W*>(widget) != nullptr;
}

TEST_F(DialogViewTest, EachKindGetsItsWidget) {
  const std::vector<std::pair<int, bool (*)(QWidget*)>> kinds{
      {kLabel, is<StaticText>},   {kGroup, is<GroupFrame>},        {kPicture, is<QLabel>},
      {kButton, is<QPushButton>}, {kCheck, is<QCheckBox>},         {kList, is<QComboBox>},
      {kEdit, is<QLineEdit>},     {kAddress, is<Ipv4AddressEdit>}, {kTabs, is<TabControlWidget>},
      {kLog, is<QTextEdit>},
  };
  for (const auto& [id, hasItsKind] : kinds) EXPECT_TRUE(hasItsKind(view.controlWidget(id))) << id;
}

TEST_F(DialogViewTest, ControlsSitAtTheirTemplateRectangles) {
  EXPECT_EQ(view.size(), toPixels(300, 200, view.baseUnits()));
  for (const ControlTemplate& control : dialog.layout().controls) {
    if (control.id <= 0 || control.kind == ControlKind::Picture ||
        control.kind == ControlKind::DropDownList || control.kind == ControlKind::Label) {
      continue;
    }
    EXPECT_EQ(view.controlWidget(control.id)->geometry(), expectedRect(control.rect)) << control.id;
  }
  // A closed drop-down list is one line high; the template's height includes the dropped list.
  const QRect list = view.controlWidget(kList)->geometry();
  EXPECT_EQ(list.topLeft(), expectedRect({10, 50, 60, 30}).topLeft());
  EXPECT_EQ(list.width(), expectedRect({10, 50, 60, 30}).width());
  EXPECT_LT(list.height(), expectedRect({10, 50, 60, 30}).height());
  // A picture takes its image's size.
  EXPECT_EQ(view.controlWidget(kPicture)->geometry(), QRect(QPoint(0, 0), QSize(800, 71)));
}

TEST_F(DialogViewTest, TemplateStateIsShown) {
  EXPECT_EQ(widget<QLabel>(kLabel)->text(), "Model Name:");
  EXPECT_TRUE(widget<QLabel>(kLabel)->alignment() & Qt::AlignHCenter);
  EXPECT_EQ(dynamic_cast<GroupFrame*>(view.controlWidget(kGroup))->caption(),
            "Byte 4 (AutoCut & Sound)");
  EXPECT_EQ(widget<QLineEdit>(kEdit)->text(), "300");
  EXPECT_TRUE(widget<QLineEdit>(kEdit)->alignment() & Qt::AlignHCenter);
  auto* list = widget<QComboBox>(kList);
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->itemText(2), "19200");
  EXPECT_EQ(list->currentIndex(), -1);
  auto* sorted = widget<QComboBox>(kSortedList);
  EXPECT_EQ((QStringList{sorted->itemText(0), sorted->itemText(1), sorted->itemText(2)}),
            (QStringList{"OPEN", "WPA_PSK", "WPA2_PSK"}));
  EXPECT_EQ(widget<Ipv4AddressEdit>(kAddress)->address(), ipv4(192, 168, 10, 10));
  EXPECT_EQ(widget<Ipv4AddressEdit>(kAddress)->octetField(0)->text(), "192");
  QTabBar* tabs = static_cast<TabControlWidget*>(view.controlWidget(kTabs))->tabBar();
  EXPECT_EQ(tabs->count(), 1);
  EXPECT_EQ(tabs->tabText(0), "Menu Setting");
  EXPECT_FALSE(view.controlWidget(kLog)->isVisible());
  EXPECT_FALSE(view.controlWidget(kLog)->isEnabled());
  EXPECT_FALSE(view.controlWidget(kHiddenButton)->isVisible());
  EXPECT_FALSE(view.controlWidget(kDisabledEdit)->isEnabled());
  EXPECT_TRUE(view.controlWidget(kDisabledEdit)->isVisible());
}

TEST_F(DialogViewTest, AOneLineTextTooWideForItsRectangleGrowsInsteadOfBeingCut) {
  const QRect rect = expectedRect({10, 10, 100, 8});
  EXPECT_EQ(view.controlWidget(kLabel)->geometry(), rect);
  dialog.setText(kLabel, "Font Version  Single Byte:  S01.02.03 (a much longer text than fits)");
  const QRect grown = view.controlWidget(kLabel)->geometry();
  EXPECT_GT(grown.width(), rect.width());
  EXPECT_NEAR(grown.center().x(), rect.center().x(), 1);  // centred: grows both ways
  EXPECT_EQ(grown.top(), rect.top());
  EXPECT_FALSE(widget<QLabel>(kLabel)->wordWrap());
  dialog.setText(kLabel, "Q470");
  EXPECT_EQ(view.controlWidget(kLabel)->geometry(), rect);
}

TEST_F(DialogViewTest, StaticTextsShowADoubledAmpersandOnce) {
  dialog.setText(kLabel, "Autocut && Sound");
  EXPECT_EQ(widget<QLabel>(kLabel)->text(), "Autocut & Sound");
}

TEST_F(DialogViewTest, GroupBoxesLieBehindAndLetClicksThrough) {
  const QObjectList& children = view.children();
  const auto place = [&](int id) { return children.indexOf(view.controlWidget(id)); };
  for (int framed : {kButton, kCheck, kList, kEdit}) EXPECT_LT(place(kGroup), place(framed));
  const QPoint buttonCentre = view.controlWidget(kButton)->geometry().center();
  EXPECT_EQ(view.childAt(buttonCentre), view.controlWidget(kButton));
  EXPECT_TRUE(view.controlWidget(kGroup)->testAttribute(Qt::WA_TransparentForMouseEvents));
}

// Program changes reach the widgets and are not heard back as user input.
TEST_F(DialogViewTest, ProgramChangesShowWithoutEcho) {
  dialog.setText(kLabel, "Model Name: Q470");
  dialog.select(kList, 2);
  dialog.setChecked(kCheck, true);
  dialog.setAddress(kAddress, ipv4(10, 0, 0, 254));
  dialog.insertTabItem(kTabs, 1, "Ethernet / Wireless");
  dialog.setCurrentTab(kTabs, 1);
  dialog.setText(kButton, "Set Offline");
  dialog.setText(kGroup, "Black Mark");
  dialog.disable(kButton);
  dialog.hide(kLabel);
  heard.clear();
  dialog.setText(kEdit, "180");  // an edit field's change is notified by the model itself, once
  EXPECT_EQ(heard, (std::vector<std::pair<int, Notification>>{{kEdit, Notification::EditChanged}}));

  EXPECT_EQ(widget<QLabel>(kLabel)->text(), "Model Name: Q470");
  EXPECT_FALSE(view.controlWidget(kLabel)->isVisible());
  EXPECT_EQ(widget<QComboBox>(kList)->currentIndex(), 2);
  EXPECT_TRUE(widget<QCheckBox>(kCheck)->isChecked());
  EXPECT_EQ(widget<Ipv4AddressEdit>(kAddress)->octetField(3)->text(), "254");
  QTabBar* tabs = static_cast<TabControlWidget*>(view.controlWidget(kTabs))->tabBar();
  EXPECT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_EQ(widget<QPushButton>(kButton)->text(), "Set Offline");
  EXPECT_FALSE(view.controlWidget(kButton)->isEnabled());
  EXPECT_EQ(dynamic_cast<GroupFrame*>(view.controlWidget(kGroup))->caption(), "Black Mark");
  EXPECT_EQ(widget<QLineEdit>(kEdit)->text(), "180");

  dialog.deleteTabItem(kTabs, 1);
  EXPECT_EQ(tabs->count(), 1);
  EXPECT_EQ(tabs->currentIndex(), 0);
  dialog.select(kList, 7);
  EXPECT_EQ(widget<QComboBox>(kList)->currentIndex(), -1);
  EXPECT_EQ(heard.size(), 1u);
}

TEST_F(DialogViewTest, TypingReachesTheModelKeystrokeByKeystroke) {
  auto* edit = widget<QLineEdit>(kEdit);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "42");
  EXPECT_EQ(dialog.text(kEdit), "42");
  EXPECT_EQ(heard, (std::vector<std::pair<int, Notification>>{{kEdit, Notification::EditChanged},
                                                              {kEdit, Notification::EditChanged}}));
}

TEST_F(DialogViewTest, AHandlerThatRewritesTheTextIsShown) {
  Dialog fixedPort{everyKind()};
  fixedPort.on(kEdit, Notification::EditChanged, [&] {
    if (fixedPort.text(kEdit) != "9100") fixedPort.setText(kEdit, "9100");
  });
  DialogView fixedView{fixedPort, {}};
  auto* edit = qobject_cast<QLineEdit*>(fixedView.controlWidget(kEdit));
  fixedView.show();
  edit->setFocus();
  QTest::keyClicks(edit, "7");
  EXPECT_EQ(fixedPort.text(kEdit), "9100");
  EXPECT_EQ(edit->text(), "9100");
}

TEST_F(DialogViewTest, ClicksReachTheModel) {
  QTest::mouseClick(view.controlWidget(kButton), Qt::LeftButton);
  QTest::mouseClick(view.controlWidget(kCheck), Qt::LeftButton);
  EXPECT_TRUE(dialog.isChecked(kCheck));
  QTest::mouseClick(view.controlWidget(kCheck), Qt::LeftButton);
  EXPECT_FALSE(dialog.isChecked(kCheck));
  EXPECT_FALSE(widget<QCheckBox>(kCheck)->isChecked());
  EXPECT_EQ(heard, (std::vector<std::pair<int, Notification>>{{kButton, Notification::Clicked},
                                                              {kCheck, Notification::Clicked},
                                                              {kCheck, Notification::Clicked}}));
}

TEST_F(DialogViewTest, ChoosingAnItemReachesTheModelOnce) {
  auto* list = widget<QComboBox>(kSortedList);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(dialog.selection(kSortedList), 0);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(dialog.selection(kSortedList), 1);
  EXPECT_EQ(dialog.items(kSortedList)[1], "WPA_PSK");
  EXPECT_EQ(heard, (std::vector<std::pair<int, Notification>>{
                       {kSortedList, Notification::SelectionChanged},
                       {kSortedList, Notification::SelectionChanged}}));
}

TEST_F(DialogViewTest, TypingAnOctetSetsTheAddress) {
  QLineEdit* last = widget<Ipv4AddressEdit>(kAddress)->octetField(3);
  last->setFocus();
  last->selectAll();
  QTest::keyClicks(last, "77");
  EXPECT_EQ(dialog.address(kAddress), ipv4(192, 168, 10, 77));
}

TEST_F(DialogViewTest, ThirdDigitOrDotMovesToTheNextOctet) {
  auto* address = widget<Ipv4AddressEdit>(kAddress);
  address->octetField(0)->setFocus();
  address->octetField(0)->selectAll();
  QTest::keyClicks(address->octetField(0), "10");
  QTest::keyClick(address->octetField(0), Qt::Key_Period);
  EXPECT_TRUE(address->octetField(1)->hasFocus());
  QTest::keyClicks(address->octetField(1), "200");
  EXPECT_TRUE(address->octetField(2)->hasFocus());
  EXPECT_EQ(dialog.address(kAddress), ipv4(10, 200, 10, 10));
}

TEST_F(DialogViewTest, ChoosingATabReachesTheModel) {
  dialog.insertTabItem(kTabs, 1, "Ethernet / Wireless");
  QTabBar* tabs = static_cast<TabControlWidget*>(view.controlWidget(kTabs))->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(dialog.currentTab(kTabs), 1);
  EXPECT_EQ(
      heard,
      (std::vector<std::pair<int, Notification>>{{kTabs, Notification::TabSelectionChanged}}));
}

TEST_F(DialogViewTest, InputToAControlTheModelRefusesIsUndone) {
  // The model takes no input for a control of a hidden dialog; the widget goes back to its value.
  dialog.hideDialog();
  auto* check = widget<QCheckBox>(kCheck);
  check->click();
  EXPECT_FALSE(dialog.isChecked(kCheck));
  EXPECT_FALSE(check->isChecked());
  widget<QComboBox>(kList)->activated(1);
  EXPECT_EQ(widget<QComboBox>(kList)->currentIndex(), -1);
  EXPECT_TRUE(heard.empty());
}

TEST_F(DialogViewTest, FocusGoesToTheFieldWithItsTextSelected) {
  dialog.focus(kEdit);
  dialog.selectAllText(kEdit);
  EXPECT_TRUE(view.controlWidget(kEdit)->hasFocus());
  EXPECT_EQ(widget<QLineEdit>(kEdit)->selectedText(), "300");
  // A new text drops the selection, in the model and in the widget.
  dialog.setText(kEdit, "301");
  EXPECT_FALSE(widget<QLineEdit>(kEdit)->hasSelectedText());
}

TEST_F(DialogViewTest, LogPiecesKeepTheirColours) {
  dialog.appendRichText(kLog, 0, "Device removed\n");
  dialog.appendRichText(kLog, 1, "Print Setting Page\n");
  auto* log = widget<QTextEdit>(kLog);
  EXPECT_EQ(log->toPlainText(), "Device removed\nPrint Setting Page\n");
  QTextCursor cursor(log->document()->findBlockByNumber(1));
  cursor.movePosition(QTextCursor::NextCharacter);
  EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(Qt::blue));
}

TEST_F(DialogViewTest, LogTextFromBeforeTheViewIsShown) {
  Dialog earlier{everyKind()};
  earlier.appendRichText(kLog, 1, "a\n");
  earlier.appendRichText(kLog, 0, "b\n");
  DialogView earlierView{earlier, {.image = {}, .richTextColours = kLogColours}};
  EXPECT_EQ(qobject_cast<QTextEdit*>(earlierView.controlWidget(kLog))->toPlainText(), "a\nb\n");
}

TEST_F(DialogViewTest, PagesSitInTheTabControlBelowTheStrip) {
  Dialog page{DialogTemplate{
      .id = 160,
      .widthDlu = 440,
      .heightDlu = 240,
      .font = {"MS Shell Dlg", 8},
      .controls = {
          {.id = 1, .kind = ControlKind::Label, .text = "page", .rect = {126, 96, 185, 8}}}}};
  page.hideDialog();
  DialogView pageView{page, {}};
  view.hostPage(kTabs, pageView, QPoint(0, 25));
  QWidget* tabs = view.controlWidget(kTabs);
  EXPECT_EQ(pageView.parentWidget(), tabs);
  EXPECT_EQ(pageView.geometry(), QRect(QPoint(0, 25), tabs->size()));
  EXPECT_FALSE(pageView.isVisible());
  page.showDialog();
  EXPECT_TRUE(pageView.isVisible());
  page.hideDialog();
  EXPECT_FALSE(pageView.isVisible());
}

}  // namespace
}  // namespace z3mq
