#pragma once

#include <functional>

#include "link/printer_models.h"

namespace z3mq {

class Clock;
class Dialog;
class Link;
class PageHost;
class TimerService;
struct SearchFields;

// Finds a printer, opens the channel to it, sends its family's first request and reports what it
// found. Timer 2 drives it one step per tick; everything runs on the UI thread.
class SearchWorkflow {
 public:
  static constexpr int kSearchTimer = 2;

  // `sendFirstRequest` asks a newly connected printer of that family who it is.
  SearchWorkflow(Link& link, SearchFields& search, Dialog& mainWindow, TimerService& timers,
                 Clock& clock, PageHost& pages,
                 std::function<void(PrinterFamily)> sendFirstRequest);

  // The Search Device button: goes offline when a printer is online, otherwise arms a search.
  void onSearchDevice();
  // One tick of timer 2.
  void step();
  // True when the channel is open and the first request has gone out.
  bool connectAndProbe();

 private:
  void closeIfOpen();
  void showOffline(const char* deviceText);

  Link& link_;
  SearchFields& search_;
  Dialog& mainWindow_;
  TimerService& timers_;
  Clock& clock_;
  PageHost& pages_;
  std::function<void(PrinterFamily)> sendFirstRequest_;
};

}  // namespace z3mq
