// The program in demo mode: a simulated printer on a pseudo-terminal, opened by the real Linux
// channel, its answers carried to the Qt UI thread by the real hand-off.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <optional>
#include <string>

#include "app/app.h"
#include "app/main_window_controls.h"
#include "gui/artwork.h"
#include "gui/main_window_widget.h"
#include "gui/qt_message_boxes.h"
#include "gui/qt_timers.h"
#include "gui/qt_ui_thread.h"
#include "gui/simulated_printer_attach.h"
#include "gui/steady_clock.h"
#include "link/linux/linux_link.h"

namespace z3mq {
namespace {

using namespace main_window;

// The search waits 1000 ms after opening; the rest is a few round trips over a pty.
constexpr int kBoundMs = 10000;

struct DemoCase {
  const char* name;  // as --simulate takes it
  const char* deviceLabel;
  const char* linkTypeLabel;
  Page visiblePage;
  int tabItems;
  // A text the printer's identity puts into the information panel; empty where the family's
  // answer handling does not fill the panel.
  const char* panelText;
  int panelLabel;
};

class DemoMode : public testing::TestWithParam<DemoCase> {
 protected:
  void SetUp() override {
    const PrinterModel* model = simulatedPrinterModel(GetParam().name);
    ASSERT_NE(model, nullptr);
    printer = attachSimulatedPrinter(link, *model);
    app.emplace(ShellServices{link, uiThread, timers, clock, messageBoxes});
    window.emplace(app->mainWindow(), link, programResources());
    messageBoxes.setParent(&*window);
    uiThread.setRepaintTarget(&*window);
    // Any message box is recorded and dismissed.
    QObject::connect(&dismisser, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        boxTexts << box->text();
        box->accept();
      }
    });
    dismisser.start(5);
    window->show();
  }

  QString labelText(int id) {
    return qobject_cast<QLabel*>(window->view().controlWidget(id))->text();
  }

  LinuxLink link;
  DemoPrinter printer;
  QtUiThread uiThread;
  QtTimers timers;
  SteadyClock clock;
  QtMessageBoxes messageBoxes;
  std::optional<App> app;
  std::optional<MainWindowWidget> window;
  QTimer dismisser;
  QStringList boxTexts;
};

TEST_P(DemoMode, ConnectsToTheSimulatedPrinter) {
  const DemoCase& expected = GetParam();
  ASSERT_TRUE(QTest::qWaitFor([&] { return labelText(kLinkTypeLabel) == expected.linkTypeLabel; },
                              kBoundMs))
      << labelText(kDeviceLabel).toStdString();
  EXPECT_EQ(labelText(kDeviceLabel), expected.deviceLabel);
  EXPECT_EQ(qobject_cast<QPushButton*>(window->view().controlWidget(kSearchButton))->text(),
            "Set Offline");
  const auto& pages = window->pageViews();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i]->isVisible(), i == static_cast<std::size_t>(expected.visiblePage)) << i;
  }
  EXPECT_EQ(window->view().controlWidget(kTabControl)->findChild<QTabBar*>()->count(),
            expected.tabItems);
  if (*expected.panelText != '\0') {
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return labelText(expected.panelLabel).contains(expected.panelText); }, kBoundMs))
        << labelText(expected.panelLabel).toStdString();
  }
  EXPECT_TRUE(boxTexts.isEmpty()) << boxTexts.join('|').toStdString();

  // Set Offline closes the channel; the window stays as it was.
  QTest::mouseClick(window->view().controlWidget(kSearchButton), Qt::LeftButton);
  EXPECT_EQ(link.session().opened, 0);
  EXPECT_EQ(labelText(kDeviceLabel), "No Device");
}

INSTANTIATE_TEST_SUITE_P(
    Models, DemoMode,
    testing::Values(DemoCase{"q470", "Q470", "Serial Emulate", Page::Q470Printing, 2, "", 0},
                    DemoCase{"q470-usb", "Q470", "Actual USB", Page::Q470Printing, 2, "", 0},
                    DemoCase{"z3m", "Z3M-P", "Serial Emulate", Page::MenuSwitch, 1, "Z3M000001",
                             kZ3MSerialLabel},
                    DemoCase{"z3m-usb", "Z3M-P", "Actual USB", Page::MenuSwitch, 1, "Z3M-P",
                             kModelNameLabel}),
    [](const auto& info) {
      std::string name = info.param.name;
      std::replace(name.begin(), name.end(), '-', '_');
      return name;
    });

TEST(DemoModeModels, NamesOnTheCommandLine) {
  EXPECT_EQ(simulatedPrinterModel("q470-usb")->linkKind, LinkKind::ActualUsb);
  EXPECT_EQ(simulatedPrinterModel("z3m")->family, PrinterFamily::Z3M);
  EXPECT_EQ(simulatedPrinterModel("z3m")->linkKind, LinkKind::SerialEmulate);
  EXPECT_EQ(simulatedPrinterModel("Q470"), nullptr);
  EXPECT_EQ(simulatedPrinterModel(""), nullptr);
}

}  // namespace
}  // namespace z3mq
