#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/activity_log.h"
#include "app/device_change.h"
#include "app/page_host.h"
#include "app/q470_family.h"
#include "app/search_workflow.h"
#include "legacy/z3m_family.h"
#include "link/device_event.h"
#include "link/message.h"
#include "link/session.h"
#include "ui/dialog.h"

namespace z3mq {

class Clock;
class Link;
class MessageBoxService;
class TimerService;
class UiThread;

// What the main window runs on. All of it must outlive the window.
struct ShellServices {
  Link& link;
  UiThread& uiThread;
  TimerService& timers;
  Clock& clock;
  MessageBoxService& messageBoxes;
};

// The system menu's About item: its command id and its text.
inline constexpr unsigned kAboutCommand = 0x10;
std::string aboutMenuItemText();
// Whether a system command is the About item (its low four bits do not count).
constexpr bool isAboutCommand(unsigned command) {
  return (command & ~0xFu) == kAboutCommand;
}

// A key-down of Enter or Escape is consumed before the window's dialog handling sees it, so that
// neither closes the main window.
constexpr bool mainWindowConsumesKeyDown(int virtualKey) {
  return virtualKey == 13 || virtualKey == 27;
}

// The one top-level window: information panel, Search Device, READ and WRITE, the page host with
// its five pages, the timers of the search and the hidden activity log. It receives the link's
// messages and hands each over to the UI thread, where its family handles it.
//
// Construct it, then initialise() on the UI thread; user input reaches it through dialog() and
// the pages' dialogs (the user... entry points), timer ticks through the TimerService, device
// events through onDeviceChange(). Destroying it closes the link first.
class MainWindow : public MessageSink {
 public:
  static constexpr int kSecondsTimer = 1;

  // Without a family of its own the window uses makeQ470Family().
  explicit MainWindow(ShellServices services, std::unique_ptr<Q470Family> q470 = nullptr);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the pages, arms the first search and starts the seconds timer.
  void initialise();

  Dialog& dialog() { return dialog_; }
  const Dialog& dialog() const { return dialog_; }
  PageHost& pages() { return pageHost_; }
  const ActivityLog& log() const { return log_; }
  const SearchFields& search() const { return search_; }
  const PrinterSession& session() const;

  bool onDeviceChange(const DeviceEvent& event) { return deviceChange_.onDeviceChange(event); }
  void onTimer(int timerId);
  void read();
  void write();

  // MessageSink: called by the receive worker.
  void onMessage(const Message& message) override;
  void setAccepting(bool accepting) override;

 private:
  void dispatch(const Message& message);
  void sendFirstRequest(PrinterFamily family);

  ShellServices services_;
  Dialog dialog_;
  ActivityLog log_;
  SearchFields search_;
  std::unique_ptr<Q470Family> q470_;
  PageHost pageHost_;
  SearchWorkflow searchWorkflow_;
  DeviceChangeHandler deviceChange_;
  Z3MShell z3mShell_;
  Q470Shell q470Shell_;
  std::optional<Z3MFamily> z3m_;
  std::optional<Dialog> defaultPage_;
};

}  // namespace z3mq
