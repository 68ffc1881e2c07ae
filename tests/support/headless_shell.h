#pragma once

#include <chrono>
#include <memory>
#include <optional>

#include "app/app.h"
#include "support/fake_link.h"
#include "ui/headless/fake_clock.h"
#include "ui/headless/fake_timers.h"
#include "ui/headless/queued_ui_thread.h"
#include "ui/headless/recording_message_boxes.h"

namespace z3mq {

// The application without a platform: fake time and timers, recorded message boxes, a fake
// link, and the test's thread as the UI thread.
struct HeadlessShell {
  FakeClock clock;
  FakeTimers timers{clock};
  QueuedUiThread uiThread;
  RecordingMessageBoxes messageBoxes;
  FakeLink link;
  std::optional<App> app;  // last: destroyed first

  void start(std::unique_ptr<Q470Family> q470 = nullptr) {
    app.emplace(ShellServices{link, uiThread, timers, clock, messageBoxes}, std::move(q470));
  }
  MainWindow& window() { return app->mainWindow(); }
  Dialog& dialog() { return window().dialog(); }
  Dialog& page(Page which) { return window().pages().page(which); }

  // Lets the search timer tick until the search has ended (a bounded number of ticks), without
  // handing over anything the printer sent.
  void runSearch() {
    for (int tick = 0; tick < 100 && timers.isRunning(SearchWorkflow::kSearchTimer); ++tick) {
      timers.advance(std::chrono::milliseconds{1});
    }
  }

  // Lets time pass, then hands over whatever the printer has sent.
  void run(std::chrono::milliseconds duration = std::chrono::milliseconds{1}) {
    timers.advance(duration);
    link.deliver();
  }
};

}  // namespace z3mq
