#include "gui/main_window_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "app/main_window_controls.h"
#include "gui/artwork.h"
#include "support/headless_shell.h"

namespace z3mq {
namespace {

using namespace main_window;

constexpr int kBoundMs = 5000;

class MainWindowWidgetTest : public testing::Test {
 protected:
  MainWindowWidgetTest() {
    shell.start();
    window.emplace(shell.window(), shell.link, programResources());
    window->show();
    QApplication::setActiveWindow(&*window);
  }

  QWidget* control(int id) { return window->view().controlWidget(id); }

  HeadlessShell shell;
  std::optional<MainWindowWidget> window;
};

TEST_F(MainWindowWidgetTest, StartsAsTheTemplateSays) {
  EXPECT_EQ(window->windowTitle(), "Z3M/Q470 Setting Tool Rev2.0");
  EXPECT_EQ(window->size(), window->view().templateSize());
  EXPECT_FALSE(window->windowIcon().isNull());
  EXPECT_EQ(qobject_cast<QLabel*>(control(kBanner))->pixmap().size(), QSize(800, 71));
  EXPECT_EQ(qobject_cast<QLabel*>(control(kDeviceLabel))->text(), "Searching...");
  EXPECT_FALSE(control(kComPortList)->isVisible());
  EXPECT_FALSE(control(kActivityLog)->isVisible());
  const auto& pages = window->pageViews();
  ASSERT_EQ(pages.size(), kPageCount);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i]->isVisible(), i == static_cast<std::size_t>(Page::Default)) << i;
    EXPECT_EQ(pages[i]->parentWidget(), control(kTabControl));
  }
}

TEST_F(MainWindowWidgetTest, DeviceLabelHasItsLargeBoldSerif) {
  const QFont font = control(kDeviceLabel)->font();
  EXPECT_TRUE(QFontInfo(font).bold());
  EXPECT_NEAR(QFontMetrics(font).height(), 40, 2);
  const QString family = QFontInfo(font).family();
  EXPECT_TRUE(family == "Times New Roman" || (family.contains("Serif") && !family.contains("Sans")))
      << family.toStdString();
}

// The pages were laid out for a smaller dialog font than the window's; with the stand-in fonts
// they still fit inside the tab control, as they did where they were drawn.
TEST_F(MainWindowWidgetTest, EveryPageFitsInTheTabControl) {
  const QRect tabs = control(kTabControl)->rect();
  for (const auto& page : window->pageViews()) {
    for (const ControlTemplate& c : page->dialog().layout().controls) {
      const QRect rect =
          toPixels(c.rect, page->baseUnits()).translated(MainWindowWidget::kPageOffset);
      EXPECT_LE(rect.right(), tabs.right())
          << "page " << page->dialog().id() << " control " << c.id;
    }
  }
}

TEST_F(MainWindowWidgetTest, EnterAndEscapeLeaveTheWindowAndItsPagesOpen) {
  shell.link.attach(0x045B, 0x5311);
  shell.runSearch();
  QWidget* page = window->pageViews()[static_cast<std::size_t>(Page::MenuSwitch)].get();
  ASSERT_TRUE(page->isVisible());
  for (QWidget* target :
       {control(kSearchButton), control(kReadButton), static_cast<QWidget*>(&*window), page}) {
    target->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
      QTest::keyClick(target, key);
  }
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(page->isVisible());
  // Enter on a focused button clicks nothing either: the printer is still online.
  EXPECT_EQ(shell.dialog().text(kSearchButton), "Set Offline");
  EXPECT_EQ(shell.link.closeCount(), 0);
}

TEST_F(MainWindowWidgetTest, TheContextMenuOpensTheAboutBox) {
  QString item;
  QString caption;
  QStringList texts;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    item = menu->actions().front()->text();
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      caption = box->windowTitle();
      for (QLabel* label : box->findChildren<QLabel*>()) texts << label->text();
      QTest::keyClick(box, Qt::Key_Escape);
    });
    menu->actions().front()->trigger();
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                          window->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&*window, &event);
  EXPECT_EQ(item, QStringLiteral("z3mq 정보(&A)..."));
  EXPECT_EQ(caption, "POS Printer Setting Utility Rev2.0");
  EXPECT_TRUE(texts.contains("Z3M/Q470 Setting Tool"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowWidgetTest, EnterClosesTheAboutBox) {
  bool closed = false;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_Return);
    closed = !box->isVisible();
  });
  window->runAbout();
  EXPECT_TRUE(closed);
}

TEST_F(MainWindowWidgetTest, ClosingTheWindowClosesTheLink) {
  shell.link.attach(0x28E9, 0x018A);
  shell.runSearch();
  ASSERT_EQ(shell.link.session().opened, 1);
  EXPECT_TRUE(window->close());
  EXPECT_EQ(shell.link.session().opened, 0);
  EXPECT_EQ(shell.link.closeCount(), 1);
}

TEST_F(MainWindowWidgetTest, PagesFollowTheConnection) {
  shell.link.attach(0x28E9, 0x018A);
  shell.runSearch();
  const auto& pages = window->pageViews();
  EXPECT_TRUE(pages[static_cast<std::size_t>(Page::Q470Printing)]->isVisible());
  EXPECT_FALSE(pages[static_cast<std::size_t>(Page::Default)]->isVisible());
  auto* tabs = control(kTabControl)->findChild<QTabBar*>();
  ASSERT_EQ(tabs->count(), 2);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_TRUE(pages[static_cast<std::size_t>(Page::Q470Network)]->isVisible());
  EXPECT_FALSE(pages[static_cast<std::size_t>(Page::Q470Printing)]->isVisible());
  EXPECT_EQ(qobject_cast<QLabel*>(control(kDeviceLabel))->text(), "Q470");
  EXPECT_EQ(qobject_cast<QPushButton*>(control(kSearchButton))->text(), "Set Offline");
}

}  // namespace
}  // namespace z3mq
