// The headless application end to end with a scripted Z3M printer behind a fake link.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/main_window_controls.h"
#include "legacy/codec/menu_items.h"
#include "legacy/response_body.h"
#include "support/headless_shell.h"
#include "support/scripted_z3m_printer.h"

namespace z3mq {
namespace {

using namespace std::chrono_literals;
using namespace main_window;
using Bytes = std::vector<std::uint8_t>;

const Bytes kInformationRequest{0x01, 0x02, 0x01, 0x00, 0x49, 0x00, 0x03, 0x04};
const Bytes kMenuReadRequest{0x01, 0x02, 0x01, 0x00, 0x49, 0xFF, 0x03, 0x04};
const Bytes kDefaultMenuWrite{0x01, 0x02, 0x0B, 0x00, 0x53, 0xFF, 0x09, 0x00, 0x00,
                              0x00, 0x6B, 0x00, 0x26, 0x29, 0x00, 0x00, 0x03, 0x04};
const Bytes kResetRequest{0x01, 0x02, 0x03, 0x00, 0x53, 0xC0, 0x01, 0xFF, 0x03, 0x04};

std::string selectedText(const Dialog& page, int listId) {
  const int index = page.selection(listId);
  return index < 0 ? std::string("(none)") : page.items(listId)[static_cast<std::size_t>(index)];
}

std::vector<bool> visiblePages(MainWindow& window) {
  std::vector<bool> visible;
  for (const Dialog* page : window.pages().pages()) visible.push_back(page->isDialogVisible());
  return visible;
}

class Z3MScenarioTest : public testing::Test {
 protected:
  // Starts the program with a printer attached and lets the search report it, without handing
  // over any answer yet.
  void startOnline(std::uint16_t productId = 0x5311, ScriptedPrinter* printer = nullptr) {
    shell.link.attach(0x045B, productId, printer);
    shell.start();
    shell.runSearch();
  }
  // Online, identified, and the menu read into the page.
  void startReadIn() {
    startOnline(0x5311, &printer);
    shell.link.deliver();
    shell.link.clearWrites();
    shell.messageBoxes.clear();
  }

  ScriptedZ3MPrinter printer;
  HeadlessShell shell;
};

TEST_F(Z3MScenarioTest, StartUpWaitsForTheFirstTickThenFindsNoPrinter) {
  shell.start();
  Dialog& window = shell.dialog();
  EXPECT_EQ(window.text(kDeviceLabel), "Searching...");
  EXPECT_FALSE(window.isEnabled(kSearchButton));
  EXPECT_EQ(window.items(kTabControl), std::vector<std::string>{"Menu Setting"});
  EXPECT_EQ(visiblePages(shell.window()), (std::vector<bool>{false, false, false, false, true}));
  for (int id :
       {kComPortList, kBaudRateList, kOpenButton, kCloseButton, kComPortLabel, kBaudRateLabel}) {
    EXPECT_FALSE(window.isVisible(id)) << id;
  }
  EXPECT_TRUE(shell.timers.isRunning(MainWindow::kSecondsTimer));

  shell.run();
  EXPECT_EQ(window.text(kDeviceLabel), "No Device");
  EXPECT_EQ(window.text(kLinkTypeLabel), "USB type not found");
  EXPECT_TRUE(window.isEnabled(kSearchButton));
  EXPECT_FALSE(shell.timers.isRunning(SearchWorkflow::kSearchTimer));
  EXPECT_EQ(shell.window().search().searchState, 0);
  EXPECT_TRUE(shell.link.writes().empty());
  // Stray timer ids change nothing; timer 1 counts seconds.
  shell.timers.fire(7);
  EXPECT_EQ(shell.window().search().elapsedSeconds, 0);
  shell.timers.advance(2000ms);
  EXPECT_EQ(shell.window().search().elapsedSeconds, 2);
  // Selecting the only tab changes nothing; the default page stays.
  EXPECT_FALSE(window.userSelectTab(kTabControl, 0));
  EXPECT_EQ(visiblePages(shell.window()), (std::vector<bool>{false, false, false, false, true}));
}

struct Z3MDevice {
  const char* name;
  std::uint16_t productId;
  const char* linkText;
};

class Z3MStartUpTest : public Z3MScenarioTest, public testing::WithParamInterface<Z3MDevice> {};

TEST_P(Z3MStartUpTest, ReportsThePrinterAndAsksWhoItIs) {
  startOnline(GetParam().productId);
  Dialog& window = shell.dialog();
  EXPECT_EQ(window.text(kDeviceLabel), "Z3M-P");
  EXPECT_EQ(window.text(kLinkTypeLabel), GetParam().linkText);
  EXPECT_EQ(window.text(kSearchButton), "Set Offline");
  EXPECT_TRUE(window.isEnabled(kSearchButton));
  EXPECT_FALSE(shell.timers.isRunning(SearchWorkflow::kSearchTimer));
  EXPECT_EQ(visiblePages(shell.window()), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(shell.link.writes(), std::vector<Bytes>{kInformationRequest});
  EXPECT_EQ(shell.window().session().responsePending, 1);
  EXPECT_EQ(shell.clock.sleeps(), std::vector<std::chrono::milliseconds>{1000ms});
  for (int id : {kDoubleByteFontLabel, kUpdateDateLabel, kZ3MSerialLabel, kPartitionLabel}) {
    EXPECT_TRUE(window.isVisible(id)) << id;
  }
  EXPECT_FALSE(window.isVisible(kQ470SerialLabel));
}

INSTANTIATE_TEST_SUITE_P(Devices, Z3MStartUpTest,
                         testing::Values(Z3MDevice{"PrinterClass", 0x5311, "Actual USB"},
                                         Z3MDevice{"SerialEmulation", 0x5310, "Serial Emulate"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Z3MScenarioTest, ProbeThatTookTooLongIsRetried) {
  shell.link.attach(0x045B, 0x5311);
  shell.start();
  shell.timers.fire(SearchWorkflow::kSearchTimer);  // connect
  for (int second = 0; second < 4; ++second) shell.timers.fire(MainWindow::kSecondsTimer);
  shell.timers.fire(SearchWorkflow::kSearchTimer);  // check: more than 3 seconds counted
  EXPECT_EQ(shell.link.closeCount(), 1);
  EXPECT_FALSE(shell.window().search().printerOnline);
  EXPECT_EQ(shell.dialog().text(kDeviceLabel), "No device");
  EXPECT_EQ(shell.dialog().text(kLinkTypeLabel), "USB type not found");
  EXPECT_EQ(shell.window().search().searchState, 1);
  shell.runSearch();
  EXPECT_EQ(shell.link.openCount(), 2);
  EXPECT_EQ(shell.dialog().text(kDeviceLabel), "Z3M-P");
}

TEST_F(Z3MScenarioTest, IdentityFillsThePanelLogsAndReadsTheMenu) {
  startOnline(0x5311, &printer);
  ASSERT_EQ(shell.link.deliver(1), 1u);
  Dialog& window = shell.dialog();
  EXPECT_EQ(window.text(kModelNameLabel), "Model Name: Z3M-80");
  EXPECT_EQ(window.text(kFirmwareLabel), "FW Version: V1.02");
  EXPECT_EQ(window.text(kUpdateDateLabel), "Update date: 2024-01-15");
  EXPECT_EQ(window.text(kZ3MSerialLabel), "SN: SN0001");
  EXPECT_EQ(window.text(kPartitionLabel), "Partition Info: P2");
  EXPECT_EQ(window.text(kSingleByteFontLabel), "Font Version Single Byte: S01.02.03");
  EXPECT_EQ(window.text(kDoubleByteFontLabel), "Double Byte: D04.05.06");
  EXPECT_EQ(shell.window().log().lines(),
            (std::vector<ColouredText>{{1, "Test Tool Conneted!!\n"}}));
  EXPECT_TRUE(shell.window().search().identityReceived);
  EXPECT_EQ(shell.link.writes(), (std::vector<Bytes>{kInformationRequest, kMenuReadRequest}));
  EXPECT_EQ(shell.uiThread.repaintRequests(), 1);
}

TEST_F(Z3MScenarioTest, MenuSwitchResponseSetsThePage) {
  startReadIn();
  const Dialog& page = shell.page(Page::MenuSwitch);
  EXPECT_EQ(selectedText(page, 1166), "Page 16 WPC1252");
  EXPECT_EQ(selectedText(page, 1182), "U.K.");
  EXPECT_EQ(selectedText(page, 1270), "Swap A+B and C+D");
  EXPECT_EQ(selectedText(page, 1187), "58mm (2inch)");
  EXPECT_EQ(selectedText(page, 1247), "57600");
  EXPECT_EQ(selectedText(page, 1254), "WiFi Station");
  EXPECT_EQ(selectedText(page, 1255), "P220VBB-1");
  for (int id = kFirstMenuCheckId; id < kFirstMenuCheckId + 8; ++id) {
    EXPECT_EQ(page.isChecked(id), id == 1080 || id == 1087) << id;
  }
}

TEST_F(Z3MScenarioTest, WriteBeforeAnyMenuResponseSendsTheDefaults) {
  startOnline();  // a printer that never answers
  shell.link.clearWrites();
  ASSERT_TRUE(shell.dialog().userClick(kWriteButton));
  EXPECT_EQ(shell.link.writes(), std::vector<Bytes>{kDefaultMenuWrite});
  EXPECT_EQ(shell.window().session().responsePending, 1);
}

TEST_F(Z3MScenarioTest, WriteSendsTheReadMenuBack) {
  startReadIn();
  ASSERT_TRUE(shell.dialog().userClick(kWriteButton));
  const std::vector<Bytes> writes = shell.link.writes();
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(Bytes(writes[0].begin() + 7, writes[0].end() - 2),
            Bytes(printer.menu.begin(), printer.menu.end()));
}

TEST_F(Z3MScenarioTest, AcknowledgedWriteResetsOnceTheBoxIsDismissed) {
  startReadIn();
  std::vector<Bytes> writesWhileOpen;
  shell.messageBoxes.whileOpen([&](const std::string&) { writesWhileOpen = shell.link.writes(); });
  shell.dialog().userClick(kWriteButton);
  shell.link.deliver();
  EXPECT_EQ(shell.messageBoxes.texts(),
            std::vector<std::string>{"The MENU setting completed successfully."});
  ASSERT_EQ(writesWhileOpen.size(), 1u);
  EXPECT_EQ(shell.link.writes(), (std::vector<Bytes>{writesWhileOpen[0], kResetRequest}));
  EXPECT_EQ(shell.window().log().lines().back(), (ColouredText{1, "Reset Printer Device\n"}));
}

TEST_F(Z3MScenarioTest, RefusedWriteOnlySaysSo) {
  startReadIn();
  printer.refuseWrites = true;
  shell.dialog().userClick(kWriteButton);
  shell.link.deliver();
  EXPECT_EQ(shell.messageBoxes.texts(), std::vector<std::string>{"Failed to write!!"});
  EXPECT_EQ(shell.link.writes().size(), 1u);  // the write itself, no reset
}

TEST_F(Z3MScenarioTest, ModuleNotReadyIsTheOnlyEffect) {
  startOnline();
  shell.link.clearWrites();
  shell.link.receive({MessageKind::Legacy, ResponseBody(0x00).byte(0x15).text("x").packet()});
  shell.link.deliver();
  EXPECT_EQ(shell.messageBoxes.texts(), std::vector<std::string>{"ESP32 Module not ready"});
  EXPECT_EQ(shell.dialog().text(kModelNameLabel), "Model Name:");
  EXPECT_FALSE(shell.window().search().identityReceived);
  EXPECT_TRUE(shell.link.writes().empty());
  EXPECT_TRUE(shell.window().log().lines().empty());
}

TEST_F(Z3MScenarioTest, SetOfflineClosesWithoutSearching) {
  startReadIn();
  ASSERT_TRUE(shell.dialog().userClick(kSearchButton));
  Dialog& window = shell.dialog();
  EXPECT_EQ(shell.window().session().opened, 0);
  EXPECT_FALSE(shell.window().search().printerOnline);
  EXPECT_EQ(window.text(kSearchButton), "Search Device");
  EXPECT_EQ(window.text(kDeviceLabel), "No Device");
  EXPECT_EQ(window.text(kLinkTypeLabel), "USB type not found");
  shell.run(10ms);
  EXPECT_EQ(shell.link.openCount(), 1);
  // The page keeps what it showed.
  EXPECT_EQ(selectedText(shell.page(Page::MenuSwitch), 1182), "U.K.");
}

TEST_F(Z3MScenarioTest, SearchDeviceAfterGoingOfflineConnectsAgain) {
  startReadIn();
  shell.dialog().userClick(kSearchButton);
  shell.dialog().userClick(kSearchButton);
  EXPECT_EQ(shell.dialog().text(kDeviceLabel), "Searching...");
  shell.runSearch();
  EXPECT_EQ(shell.link.openCount(), 2);
  EXPECT_EQ(shell.dialog().text(kSearchButton), "Set Offline");
}

TEST_F(Z3MScenarioTest, PrintButtonsOfTheMenuPage) {
  startOnline(0x5311, &printer);
  Dialog& page = shell.page(Page::MenuSwitch);
  shell.link.clearWrites();
  page.userClick(1161);  // Print ASCII before the printer has answered: nothing
  EXPECT_TRUE(shell.link.writes().empty());
  shell.link.deliver();
  shell.link.clearWrites();
  page.userClick(1161);
  ASSERT_EQ(shell.link.writes().size(), 1u);
  EXPECT_EQ(shell.link.writes()[0].size(), 95u);
  EXPECT_EQ(shell.link.writes()[0].back(), 0x0A);

  shell.dialog().userClick(kSearchButton);  // offline: the port is closed
  shell.link.clearWrites();
  page.userClick(1161);
  page.userClick(1030);
  EXPECT_TRUE(shell.link.writes().empty());
  EXPECT_EQ(shell.window().log().lines().back(), (ColouredText{1, "Print Setting Page\n"}));
}

TEST_F(Z3MScenarioTest, ReadAndWriteDoNothingWithoutAFamily) {
  shell.start();
  shell.run();
  shell.dialog().userClick(kReadButton);
  shell.dialog().userClick(kWriteButton);
  EXPECT_TRUE(shell.link.writes().empty());
  EXPECT_EQ(shell.window().session().responsePending, 0);
}

TEST_F(Z3MScenarioTest, UnselectedListIsSentAsZeroAndLogged) {
  startOnline();
  shell.link.clearWrites();
  // A decoded print density of 7 has no item.
  shell.link.receive({MessageKind::Legacy, ResponseBody(0xFF)
                                               .byte(0x09)
                                               .byte(0x00)
                                               .byte(0x00)
                                               .byte(0x00)
                                               .byte(0xEB)
                                               .byte(0x00)
                                               .byte(0x26)
                                               .byte(0x29)
                                               .byte(0x00)
                                               .byte(0x00)
                                               .packet()});
  shell.link.deliver();
  EXPECT_EQ(shell.page(Page::MenuSwitch).selection(1188), -1);
  shell.dialog().userClick(kWriteButton);
  const Bytes densityAsZero{0x01, 0x02, 0x0B, 0x00, 0x53, 0xFF, 0x09, 0x00, 0x00,
                            0x00, 0x0B, 0x00, 0x26, 0x29, 0x00, 0x00, 0x03, 0x04};
  EXPECT_EQ(shell.link.writes(), std::vector<Bytes>{densityAsZero});
  EXPECT_EQ(shell.window().log().lines().back(),
            (ColouredText{2, "Print density has no selection: sent as 0\n"}));
}

TEST_F(Z3MScenarioTest, AuxiliaryReportsGoToTheLogInBlue) {
  startOnline();
  shell.link.receive(
      {MessageKind::AuxReport,
       {0x37, 0x59, 0x31, 0x32, 0x1F, 0x33, 0x34, 0x1F, 0x31, 0x1F, 0x41, 0x45, 0x31, 0x00}});
  shell.link.receive(
      {MessageKind::AuxReport, {0x37, 0x59, 0x31, 0x1F, 0x32, 0x1F, 0x30, 0x1F, 0x41, 0x00}});
  shell.link.deliver();
  EXPECT_EQ(shell.window().log().lines(),
            (std::vector<ColouredText>{
                {1, "datamatrix infomation received\n"},
                {1, "H Size(12) V Size(34) Other info(A) Error info(E1)\n"},
                {1, "data is invalid!!\n"},
            }));
  EXPECT_EQ(shell.uiThread.repaintRequests(), 2);
}

TEST(MainWindowKeys, EnterAndEscapeNeverReachTheDialog) {
  struct Case {
    int virtualKey;
    bool consumed;
  };
  for (const Case c :
       {Case{13, true}, Case{27, true}, Case{9, false}, Case{32, false}, Case{65, false}}) {
    EXPECT_EQ(mainWindowConsumesKeyDown(c.virtualKey), c.consumed) << c.virtualKey;
  }
}

TEST(MainWindowSystemMenu, AboutItem) {
  EXPECT_EQ(aboutMenuItemText(), "z3mq 정보(&A)...");
  EXPECT_TRUE(isAboutCommand(0x10));
  EXPECT_TRUE(isAboutCommand(0x1F));
  EXPECT_FALSE(isAboutCommand(0x20));
  EXPECT_FALSE(isAboutCommand(0xF060));  // Close
}

}  // namespace
}  // namespace z3mq
