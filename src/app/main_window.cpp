#include "app/main_window.h"

#include <chrono>

#include "app/default_page_template.h"
#include "app/main_window_controls.h"
#include "app/main_window_template.h"
#include "link/aux_report.h"
#include "link/link.h"
#include "ui/timer_service.h"
#include "ui/ui_thread.h"

namespace z3mq {

using namespace main_window;
using namespace std::chrono_literals;

namespace {

constexpr const char* kShortName = "z3mq";
constexpr int kAuxReportLogColour = 1;

// Runs the action of the family; without a family there is nothing to do.
template <typename Z3MAction, typename Q470Action>
void byFamily(PrinterFamily family, Z3MAction z3m, Q470Action q470) {
  if (family == PrinterFamily::Z3M) z3m();
  if (family == PrinterFamily::Q470) q470();
}

}  // namespace

std::string aboutMenuItemText() {
  return std::string(kShortName) + " 정보(&A)...";
}

MainWindow::MainWindow(ShellServices services, std::unique_ptr<Q470Family> q470)
    : services_(services),
      dialog_(mainWindowTemplate()),
      log_(dialog_, ActivityLog::mirrorRequested()),
      q470_(q470 ? std::move(q470) : makeQ470Family()),
      pageHost_(dialog_, services.link.session(), *q470_),
      searchWorkflow_(services.link, search_, dialog_, services.timers, services.clock, pageHost_,
                      [this](PrinterFamily family) { sendFirstRequest(family); }),
      deviceChange_(services.link, search_, dialog_, log_, services.clock,
                    [this] { searchWorkflow_.onSearchDevice(); }),
      z3mShell_{services.link,
                search_,
                dialog_,
                services.messageBoxes,
                [this](int colour, std::string_view text) { log_.append(colour, text); },
                [this] { read(); }},
      q470Shell_{services.link, dialog_, services.messageBoxes, z3mShell_.log, pageHost_} {
  dialog_.on(kSearchButton, Notification::Clicked, [this] { searchWorkflow_.onSearchDevice(); });
  dialog_.on(kReadButton, Notification::Clicked, [this] { read(); });
  dialog_.on(kWriteButton, Notification::Clicked, [this] { write(); });
  dialog_.on(kTabControl, Notification::TabSelectionChanged,
             [this] { pageHost_.onTabSelectionChanged(); });
  services_.timers.setTickHandler([this](int timerId) { onTimer(timerId); });
  services_.link.setMessageSink(this);
}

MainWindow::~MainWindow() {
  // The receive worker must not reach the window once it is gone.
  services_.link.close();
  services_.link.setMessageSink(nullptr);
  services_.timers.stop(SearchWorkflow::kSearchTimer);
  services_.timers.stop(kSecondsTimer);
  services_.timers.setTickHandler({});
}

const PrinterSession& MainWindow::session() const {
  return services_.link.session();
}

void MainWindow::initialise() {
  dialog_.insertTabItem(kTabControl, 0, "Menu Setting");
  dialog_.setCurrentTab(kTabControl, 0);

  z3m_.emplace(z3mShell_);
  pageHost_.addPage(Page::MenuSwitch, z3m_->menuSwitchPage());
  pageHost_.addPage(Page::Z3MNetwork, z3m_->networkPage());
  q470_->createPages(q470Shell_);
  pageHost_.addPage(Page::Q470Printing, q470_->printingPage());
  pageHost_.addPage(Page::Q470Network, q470_->networkPage());
  defaultPage_.emplace(defaultPageTemplate());
  pageHost_.addPage(Page::Default, *defaultPage_);

  search_.searchState = 0;
  dialog_.setText(kDeviceLabel, "Searching...");
  searchWorkflow_.onSearchDevice();

  // There is no connection through a COM port.
  for (int id :
       {kComPortList, kCloseButton, kOpenButton, kComPortLabel, kBaudRateLabel, kBaudRateList}) {
    dialog_.hide(id);
  }
  services_.timers.start(kSecondsTimer, 1000ms);
}

void MainWindow::onTimer(int timerId) {
  if (timerId == SearchWorkflow::kSearchTimer) searchWorkflow_.step();
  if (timerId == kSecondsTimer) ++search_.elapsedSeconds;
}

void MainWindow::read() {
  byFamily(
      session().family, [this] { z3m_->read(); }, [this] { q470_->read(); });
}

void MainWindow::write() {
  byFamily(
      session().family, [this] { z3m_->write(); },
      [this] { q470_->write(pageHost_.currentTabItem()); });
}

void MainWindow::sendFirstRequest(PrinterFamily family) {
  byFamily(
      family, [this] { z3m_->probe(); }, [this] { q470_->read(); });
}

void MainWindow::onMessage(const Message& message) {
  if (services_.uiThread.runAndWait([&] { dispatch(message); })) {
    services_.uiThread.requestRepaint();
  }
}

void MainWindow::setAccepting(bool accepting) {
  services_.uiThread.setAccepting(accepting);
}

void MainWindow::dispatch(const Message& message) {
  switch (message.kind) {
    case MessageKind::Legacy:
      z3m_->onLegacyPacket(message.bytes);
      break;
    case MessageKind::Framed:
      q470_->onFramedAnswer(message.bytes);
      break;
    case MessageKind::AuxReport:
      for (const std::string& line : auxReportLogLines(message.bytes)) {
        log_.append(kAuxReportLogColour, line);
      }
      break;
  }
}

}  // namespace z3mq
