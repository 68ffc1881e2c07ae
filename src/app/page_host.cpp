#include "app/page_host.h"

#include "app/main_window_controls.h"
#include "ui/dialog.h"

namespace z3mq {

namespace {

constexpr int kNetworkTabItem = 1;
constexpr const char* kNetworkTabText = "Ethernet / Wireless";

}  // namespace

PageHost::PageHost(Dialog& mainWindow, const PrinterSession& session, Q470Family& q470)
    : mainWindow_(mainWindow), session_(session), q470_(q470) {}

void PageHost::addPage(Page which, Dialog& page) {
  pages_[static_cast<std::size_t>(which)] = &page;
  page.showDialog(which == Page::Default);
}

void PageHost::showOnly(Page which) {
  for (Page p : {Page::MenuSwitch, Page::Z3MNetwork, Page::Q470Printing, Page::Q470Network}) {
    page(p).showDialog(p == which);
  }
}

void PageHost::showPagesForConnection(PrinterFamily family) {
  page(Page::Default).hideDialog();
  switch (family) {
    case PrinterFamily::Z3M:
      showOnly(Page::MenuSwitch);
      break;
    case PrinterFamily::Q470:
      if (mainWindow_.tabCount(main_window::kTabControl) < 2) {
        mainWindow_.insertTabItem(main_window::kTabControl, kNetworkTabItem, kNetworkTabText);
        mainWindow_.setCurrentTab(main_window::kTabControl, 0);
      }
      showOnly(Page::Q470Printing);
      break;
    case PrinterFamily::None:
      break;
  }
}

void PageHost::onTabSelectionChanged() {
  const bool z3m = session_.family == PrinterFamily::Z3M;
  switch (currentTabItem()) {
    case 0:
      showOnly(z3m ? Page::MenuSwitch : Page::Q470Printing);
      break;
    case kNetworkTabItem:
      if (z3m) break;
      showOnly(Page::Q470Network);
      q470_.applyNetworkCapability();
      break;
    default:
      break;
  }
}

void PageHost::dropNetworkTab() {
  mainWindow_.deleteTabItem(main_window::kTabControl, kNetworkTabItem);
  page(Page::Q470Printing).hideDialog();
  page(Page::Q470Printing).showDialog();
}

int PageHost::currentTabItem() const {
  return mainWindow_.currentTab(main_window::kTabControl);
}

}  // namespace z3mq
