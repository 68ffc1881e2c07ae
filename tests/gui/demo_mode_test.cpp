// The program in demo mode: a simulated printer on a pseudo-terminal, opened by the real Linux
// channel, its answers carried to the Qt UI thread by the real hand-off.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <string>

#include "app/main_window_controls.h"
#include "gui/demo_program.h"
#include "gui/simulated_printer_attach.h"

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
  void SetUp() override { ASSERT_TRUE(demo.start(GetParam().name)); }

  QString labelText(int id) { return demo.labelText(id); }

  DemoProgram demo;
};

TEST_P(DemoMode, ConnectsToTheSimulatedPrinter) {
  const DemoCase& expected = GetParam();
  ASSERT_TRUE(QTest::qWaitFor([&] { return labelText(kLinkTypeLabel) == expected.linkTypeLabel; },
                              kBoundMs))
      << labelText(kDeviceLabel).toStdString();
  EXPECT_EQ(labelText(kDeviceLabel), expected.deviceLabel);
  EXPECT_EQ(qobject_cast<QPushButton*>(demo.window->view().controlWidget(kSearchButton))->text(),
            "Set Offline");
  const auto& pages = demo.window->pageViews();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i]->isVisible(), i == static_cast<std::size_t>(expected.visiblePage)) << i;
  }
  EXPECT_EQ(demo.window->view().controlWidget(kTabControl)->findChild<QTabBar*>()->count(),
            expected.tabItems);
  if (*expected.panelText != '\0') {
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return labelText(expected.panelLabel).contains(expected.panelText); }, kBoundMs))
        << labelText(expected.panelLabel).toStdString();
  }
  EXPECT_TRUE(demo.boxTexts.isEmpty()) << demo.boxTexts.join('|').toStdString();

  // Set Offline closes the channel; the window stays as it was.
  QTest::mouseClick(demo.window->view().controlWidget(kSearchButton), Qt::LeftButton);
  EXPECT_EQ(demo.link.session().opened, 0);
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
