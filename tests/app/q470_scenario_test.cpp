// The headless application end to end with a scripted Q470 printer behind a fake link.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/main_window_controls.h"
#include "framed/codec/frame.h"
#include "framed/network_page_ids.h"
#include "framed/print_settings_page_ids.h"
#include "support/headless_shell.h"
#include "support/scripted_q470_printer.h"

namespace z3mq {
namespace {

using namespace std::chrono_literals;
using namespace main_window;
using Bytes = std::vector<std::uint8_t>;
using FC = FramedCode;

std::vector<bool> visiblePages(MainWindow& window) {
  std::vector<bool> visible;
  for (const Dialog* page : window.pages().pages()) visible.push_back(page->isDialogVisible());
  return visible;
}

std::vector<FC> codesOf(const std::vector<Bytes>& writes, std::size_t from = 0) {
  std::vector<FC> codes;
  for (std::size_t i = from; i < writes.size(); ++i) codes.push_back(readFrame(writes[i])->code);
  return codes;
}

const std::vector<FC> kIdentityAndPrintSettings{
    FC::ReadModelName,     FC::ReadFirmwareVersion, FC::ReadFontVersion,  FC::ReadSerialNumber,
    FC::ReadPrintSettings, FC::ReadPaperSaving,     FC::ReadSettingItems, FC::ReadBlackMark};

class Q470ScenarioTest : public testing::Test {
 protected:
  // Starts the program with the printer attached and lets the search report it, without handing
  // over any answer yet.
  void startOnline(std::uint16_t vendorId = 0x28E9, std::uint16_t productId = 0x018A) {
    shell.link.attach(vendorId, productId, &printer);
    shell.start();
    shell.runSearch();
  }

  Dialog& printingPage() { return shell.page(Page::Q470Printing); }
  Dialog& networkPage() { return shell.page(Page::Q470Network); }

  ScriptedQ470Printer printer;
  HeadlessShell shell;
};

TEST_F(Q470ScenarioTest, StartUpReportsThePrinterShowsItsPagesAndAsksForTheModelName) {
  startOnline();
  Dialog& window = shell.dialog();
  EXPECT_EQ(window.text(kDeviceLabel), "Q470");
  EXPECT_EQ(window.text(kLinkTypeLabel), "Serial Emulate");
  EXPECT_EQ(window.text(kSearchButton), "Set Offline");
  EXPECT_EQ(window.items(kTabControl),
            (std::vector<std::string>{"Menu Setting", "Ethernet / Wireless"}));
  EXPECT_EQ(window.currentTab(kTabControl), 0);
  EXPECT_EQ(visiblePages(shell.window()), (std::vector<bool>{false, false, true, false, false}));
  const Bytes readModelName{0x1B, 0x1B, 0x45, 0x02, 0x02, 0x01, 0x03,
                            0x00, 0x00, 0x00, 0x00, 0x0D, 0xBF};
  EXPECT_EQ(shell.link.writes(), std::vector<Bytes>{readModelName});
  EXPECT_TRUE(window.isVisible(kQ470SerialLabel));
  EXPECT_FALSE(window.isVisible(kZ3MSerialLabel));
}

TEST_F(Q470ScenarioTest, ReadChainFillsThePanelAndThePrintingPageAndLeavesTheZ3MPageAlone) {
  startOnline();
  shell.link.deliver();
  Dialog& window = shell.dialog();
  EXPECT_EQ(codesOf(shell.link.writes()), kIdentityAndPrintSettings);
  EXPECT_EQ(window.text(kModelNameLabel), "Model Name: Q470");
  EXPECT_EQ(window.text(kFirmwareLabel), "FW Version: V1.05 USEW");
  EXPECT_EQ(window.text(kSingleByteFontLabel), "Font Version: KOR 1.0");
  EXPECT_EQ(window.text(kQ470SerialLabel), "SN: Q47000123");
  EXPECT_EQ(printingPage().selection(print_page::kBaudRate), 5);
  EXPECT_EQ(printingPage().text(print_page::kBlackMarkLength), "50");
  // Both families' pages in one program keep their own item lists.
  EXPECT_EQ(printingPage().items(print_page::kBaudRate).size(), 9u);
  constexpr int kZ3MBaudRate = 1247;
  EXPECT_EQ(shell.page(Page::MenuSwitch).items(kZ3MBaudRate).size(), 7u);
  EXPECT_TRUE(shell.messageBoxes.texts().empty());
}

TEST_F(Q470ScenarioTest, PrinterWithoutNetworkModuleLosesTheNetworkTab) {
  printer.setInformationText(FC::ReadFirmwareVersion, "X USS");
  startOnline();
  shell.link.deliver();
  EXPECT_EQ(shell.dialog().items(kTabControl), std::vector<std::string>{"Menu Setting"});
  EXPECT_EQ(visiblePages(shell.window()), (std::vector<bool>{false, false, true, false, false}));
  EXPECT_EQ(codesOf(shell.link.writes()), kIdentityAndPrintSettings);
}

TEST_F(Q470ScenarioTest, SelectingTheNetworkTabReadsTheNetworkSettingsEveryTime) {
  printer.setInformationText(FC::ReadFirmwareVersion, "V2 USSW");
  startOnline();
  shell.link.deliver();
  for (int time = 0; time < 2; ++time) {
    const std::size_t before = shell.link.writes().size();
    ASSERT_TRUE(shell.dialog().userSelectTab(kTabControl, 1));
    shell.link.deliver();
    EXPECT_EQ(codesOf(shell.link.writes(), before),
              (std::vector{FC::ReadInterface, FC::ReadWifiSettings}));
    ASSERT_TRUE(shell.dialog().userSelectTab(kTabControl, 0));
  }
  ASSERT_TRUE(shell.dialog().userSelectTab(kTabControl, 1));
  EXPECT_EQ(visiblePages(shell.window()), (std::vector<bool>{false, false, false, true, false}));
  EXPECT_FALSE(networkPage().isEnabled(network_page::kEthernetDhcpMode));
  EXPECT_TRUE(networkPage().isEnabled(network_page::kSsid));
  shell.link.deliver();
  EXPECT_EQ(networkPage().text(network_page::kSsid), "OfficeAP");
}

TEST_F(Q470ScenarioTest, ReadOnTheNetworkTabRunsOnIntoTheNetworkSettings) {
  startOnline();
  shell.link.deliver();
  ASSERT_TRUE(shell.dialog().userSelectTab(kTabControl, 1));
  shell.link.deliver();
  shell.link.clearWrites();
  ASSERT_TRUE(shell.dialog().userClick(kReadButton));
  shell.link.deliver();
  std::vector<FC> expected = kIdentityAndPrintSettings;
  expected.insert(expected.end(), {FC::ReadInterface, FC::ReadInterface, FC::ReadWifiSettings});
  EXPECT_EQ(codesOf(shell.link.writes()), expected);
}

TEST_F(Q470ScenarioTest, WriteSendsTheCurrentTabsRequests) {
  startOnline(0x0FE6, 0x8121);
  shell.link.deliver();
  shell.link.clearWrites();
  ASSERT_TRUE(shell.dialog().userClick(kWriteButton));
  const std::vector<Bytes> printing = shell.link.writes();
  ASSERT_EQ(printing.size(), 14u);
  EXPECT_EQ(printing[0][4], 0x01);  // printer-class link
  EXPECT_EQ(readFrame(printing[13])->code, FC::WriteSettingItems);

  ASSERT_TRUE(shell.dialog().userSelectTab(kTabControl, 1));
  shell.link.deliver();
  shell.link.clearWrites();
  ASSERT_TRUE(shell.dialog().userClick(kWriteButton));
  EXPECT_EQ(codesOf(shell.link.writes()),
            (std::vector{FC::WriteInterface, FC::WriteInterface, FC::WriteWifiSettings}));
  EXPECT_TRUE(shell.messageBoxes.texts().empty());
}

TEST_F(Q470ScenarioTest, PrintButtonsGoThroughTheChannel) {
  startOnline();
  shell.link.clearWrites();
  ASSERT_TRUE(printingPage().userClick(print_page::kPrintAsciiButton));
  ASSERT_TRUE(printingPage().userClick(print_page::kPrintSettingPageButton));
  const std::vector<Bytes> writes = shell.link.writes();
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0].size(), 95u);
  EXPECT_EQ(readFrame(writes[1])->code, FC::PrintSettingPage);

  ASSERT_TRUE(shell.dialog().userClick(kSearchButton));  // Set Offline
  shell.link.clearWrites();
  ASSERT_TRUE(printingPage().userClick(print_page::kPrintAsciiButton));
  ASSERT_TRUE(printingPage().userClick(print_page::kPrintSettingPageButton));
  EXPECT_TRUE(shell.link.writes().empty());
}

}  // namespace
}  // namespace z3mq
