// Page visibility and tab items through the main window, with a Q470 family that records what the
// shell asks of it.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_controls.h"
#include "support/headless_shell.h"

namespace z3mq {
namespace {

using namespace main_window;

class RecordingQ470Family : public Q470Family {
 public:
  struct Calls {
    int reads = 0;
    std::vector<int> writes;  // current tab of each
    std::vector<std::vector<std::uint8_t>> answers;
    int networkCapabilityApplied = 0;
    std::optional<Q470Shell> shell;
  };

  explicit RecordingQ470Family(Calls& calls) : calls_(calls) {}

  void createPages(const Q470Shell& shell) override {
    calls_.shell.emplace(shell);
    printing_.emplace(DialogTemplate{.id = 156});
    network_.emplace(DialogTemplate{.id = 157});
  }
  Dialog& printingPage() override { return *printing_; }
  Dialog& networkPage() override { return *network_; }
  void read() override { ++calls_.reads; }
  void write(int currentTab) override { calls_.writes.push_back(currentTab); }
  void onFramedAnswer(std::span<const std::uint8_t> answer) override {
    calls_.answers.emplace_back(answer.begin(), answer.end());
  }
  void applyNetworkCapability() override { ++calls_.networkCapabilityApplied; }

 private:
  Calls& calls_;
  std::optional<Dialog> printing_;
  std::optional<Dialog> network_;
};

using Visible = std::vector<bool>;  // the five pages in creation order

class PageHostTest : public testing::Test {
 protected:
  void start() { shell.start(std::make_unique<RecordingQ470Family>(q470)); }
  // Goes offline if online, then searches for the given device.
  void connect(std::uint16_t vendorId, std::uint16_t productId) {
    if (shell.window().search().printerOnline) shell.dialog().userClick(kSearchButton);
    shell.link.attach(vendorId, productId);
    if (shell.window().search().searchState == 0) shell.dialog().userClick(kSearchButton);
    shell.runSearch();
  }
  void connectQ470() { connect(0x28E9, 0x018A); }
  void connectZ3M() { connect(0x045B, 0x5310); }

  Visible visible() {
    Visible v;
    for (const Dialog* page : shell.window().pages().pages()) v.push_back(page->isDialogVisible());
    return v;
  }
  std::vector<std::string> tabs() { return shell.dialog().items(kTabControl); }
  int currentTab() { return shell.dialog().currentTab(kTabControl); }

  RecordingQ470Family::Calls q470;
  HeadlessShell shell;
};

const Visible kMenuSwitchPage{true, false, false, false, false};
const Visible kPrintingPage{false, false, true, false, false};
const Visible kNetworkPage{false, false, false, true, false};
const std::vector<std::string> kBothTabs{"Menu Setting", "Ethernet / Wireless"};

TEST_F(PageHostTest, Q470ConnectionAddsTheNetworkTabAndAsksForTheModelName) {
  start();
  connectQ470();
  Dialog& window = shell.dialog();
  EXPECT_EQ(window.text(kDeviceLabel), "Q470");
  EXPECT_EQ(window.text(kLinkTypeLabel), "Serial Emulate");
  EXPECT_EQ(window.text(kSearchButton), "Set Offline");
  EXPECT_EQ(tabs(), kBothTabs);
  EXPECT_EQ(currentTab(), 0);
  EXPECT_EQ(visible(), kPrintingPage);
  EXPECT_EQ(q470.reads, 1);
  EXPECT_TRUE(window.isVisible(kQ470SerialLabel));
  for (int id : {kDoubleByteFontLabel, kUpdateDateLabel, kZ3MSerialLabel, kPartitionLabel}) {
    EXPECT_FALSE(window.isVisible(id)) << id;
  }
  EXPECT_TRUE(window.isVisible(kModelNameLabel));
}

TEST_F(PageHostTest, TabChangesFollowTheFamily) {
  start();
  connectQ470();
  ASSERT_TRUE(shell.dialog().userSelectTab(kTabControl, 1));
  EXPECT_EQ(visible(), kNetworkPage);
  EXPECT_EQ(q470.networkCapabilityApplied, 1);
  ASSERT_TRUE(shell.dialog().userSelectTab(kTabControl, 0));
  EXPECT_EQ(visible(), kPrintingPage);
  EXPECT_EQ(q470.networkCapabilityApplied, 1);
}

TEST_F(PageHostTest, SecondQ470ConnectionKeepsOneNetworkTab) {
  start();
  connectQ470();
  connectQ470();
  EXPECT_EQ(shell.link.openCount(), 2);
  EXPECT_EQ(tabs(), kBothTabs);
}

TEST_F(PageHostTest, Q470ConnectionWhileOnTheNetworkTabShowsThePrintingPageUnderIt) {
  start();
  connectQ470();
  shell.dialog().userSelectTab(kTabControl, 1);
  connectQ470();
  EXPECT_EQ(currentTab(), 1);
  EXPECT_EQ(visible(), kPrintingPage);
  shell.dialog().userSelectTab(kTabControl, 0);
  shell.dialog().userSelectTab(kTabControl, 1);
  EXPECT_EQ(visible(), kNetworkPage);
}

TEST_F(PageHostTest, Z3MAfterQ470KeepsTheNetworkTabButNeverLeavesTheMenuPage) {
  start();
  connectQ470();
  connectZ3M();
  EXPECT_EQ(tabs(), kBothTabs);
  EXPECT_EQ(visible(), kMenuSwitchPage);
  shell.dialog().userSelectTab(kTabControl, 1);
  EXPECT_EQ(visible(), kMenuSwitchPage);
  EXPECT_EQ(q470.networkCapabilityApplied, 0);
  shell.dialog().userSelectTab(kTabControl, 0);
  EXPECT_EQ(visible(), kMenuSwitchPage);
}

TEST_F(PageHostTest, DisconnectingNeverBringsTheDefaultPageBack) {
  start();
  connectQ470();
  shell.dialog().userClick(kSearchButton);
  EXPECT_EQ(visible(), kPrintingPage);
}

TEST_F(PageHostTest, DroppingTheNetworkTabLeavesThePrintingPage) {
  start();
  connectQ470();
  Q470TabHost& host = q470.shell->tabs;
  host.dropNetworkTab();
  EXPECT_EQ(tabs(), std::vector<std::string>{"Menu Setting"});
  EXPECT_EQ(visible(), kPrintingPage);
  host.dropNetworkTab();
  EXPECT_EQ(tabs(), std::vector<std::string>{"Menu Setting"});
  EXPECT_EQ(host.currentTabItem(), 0);
  // The next Q470 printer gets it back.
  connectQ470();
  EXPECT_EQ(tabs(), kBothTabs);
}

TEST_F(PageHostTest, ReadWriteAndFramedAnswersGoToTheQ470Family) {
  start();
  connectQ470();
  shell.dialog().userClick(kReadButton);
  shell.dialog().userClick(kWriteButton);
  shell.dialog().userSelectTab(kTabControl, 1);
  shell.dialog().userClick(kWriteButton);
  shell.link.receive({MessageKind::Framed, {0x1B, 0x1B, 0x45, 0x02}});
  shell.link.deliver();
  EXPECT_EQ(q470.reads, 2);  // the connection's and READ's
  EXPECT_EQ(q470.writes, (std::vector<int>{0, 1}));
  EXPECT_EQ(q470.answers, (std::vector<std::vector<std::uint8_t>>{{0x1B, 0x1B, 0x45, 0x02}}));
  EXPECT_EQ(shell.uiThread.repaintRequests(), 1);
  EXPECT_TRUE(shell.link.writes().empty());
}

TEST_F(PageHostTest, Q470ShellReachesTheMainWindowAndTheLog) {
  start();
  ASSERT_TRUE(q470.shell.has_value());
  q470.shell->mainWindow.setText(kQ470SerialLabel, "SN: Q1");
  q470.shell->log(3, "note\n");
  EXPECT_EQ(shell.dialog().text(kQ470SerialLabel), "SN: Q1");
  EXPECT_EQ(shell.window().log().lines(), (std::vector<ColouredText>{{3, "note\n"}}));
}

}  // namespace
}  // namespace z3mq
