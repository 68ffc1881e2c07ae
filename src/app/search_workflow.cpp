#include "app/search_workflow.h"

#include <chrono>
#include <string>

#include "app/information_panel.h"
#include "app/main_window_controls.h"
#include "app/page_host.h"
#include "link/link.h"
#include "ui/clock.h"
#include "ui/dialog.h"
#include "ui/timer_service.h"

namespace z3mq {

using namespace main_window;
using namespace std::chrono_literals;

namespace {

enum SearchState : std::int32_t { kIdle = 0, kConnect = 1, kCheck = 2, kReport = 3 };

constexpr std::int32_t kSearchTimeoutSeconds = 3;
// The device needs this long after opening before it takes a request.
constexpr auto kSettleAfterOpen = 1000ms;
constexpr auto kSearchTickPeriod = 1ms;

}  // namespace

SearchWorkflow::SearchWorkflow(Link& link, SearchFields& search, Dialog& mainWindow,
                               TimerService& timers, Clock& clock, PageHost& pages,
                               std::function<void(PrinterFamily)> sendFirstRequest)
    : link_(link),
      search_(search),
      mainWindow_(mainWindow),
      timers_(timers),
      clock_(clock),
      pages_(pages),
      sendFirstRequest_(std::move(sendFirstRequest)) {}

void SearchWorkflow::closeIfOpen() {
  if (link_.session().opened != 0) link_.close();
}

void SearchWorkflow::showOffline(const char* deviceText) {
  mainWindow_.setText(kDeviceLabel, deviceText);
  mainWindow_.setText(kLinkTypeLabel, "USB type not found");
}

void SearchWorkflow::onSearchDevice() {
  if (search_.printerOnline) {
    link_.close();
    search_.printerOnline = false;
    mainWindow_.setText(kSearchButton, "Search Device");
    showOffline("No Device");
    return;
  }
  search_.searchTimeout = kSearchTimeoutSeconds;
  mainWindow_.setText(kDeviceLabel, "Searching...");
  mainWindow_.disable(kSearchButton);
  timers_.start(kSearchTimer, kSearchTickPeriod);
  search_.searchState = kConnect;
}

void SearchWorkflow::step() {
  switch (search_.searchState) {
    case kConnect:
      if (connectAndProbe()) {
        search_.searchState = kCheck;
        return;
      }
      timers_.stop(kSearchTimer);
      showOffline("No Device");
      mainWindow_.enable(kSearchButton);
      search_.searchState = kIdle;
      return;
    case kCheck:
      if (search_.elapsedSeconds > search_.searchTimeout) {
        closeIfOpen();
        search_.printerOnline = false;
        showOffline("No device");
        search_.searchState = kConnect;
        return;
      }
      search_.searchState = kReport;
      return;
    case kReport: {
      const PrinterSession& session = link_.session();
      search_.printerOnline = true;
      mainWindow_.setText(kSearchButton, "Set Offline");
      mainWindow_.enable(kSearchButton);
      mainWindow_.setText(kDeviceLabel, std::string(modelNameOf(session.deviceModel)));
      mainWindow_.setText(kLinkTypeLabel, session.linkKind == LinkKind::ActualUsb
                                              ? "Actual USB"
                                              : "Serial Emulate");
      timers_.stop(kSearchTimer);
      search_.searchState = kIdle;
      return;
    }
    default:
      return;
  }
}

bool SearchWorkflow::connectAndProbe() {
  closeIfOpen();
  if (link_.open() == 0) return false;
  clock_.sleepFor(kSettleAfterOpen);
  const PrinterFamily family = link_.session().family;
  pages_.showPagesForConnection(family);
  arrangeInformationPanel(mainWindow_, family);
  sendFirstRequest_(family);
  search_.elapsedSeconds = 0;
  return true;
}

}  // namespace z3mq
