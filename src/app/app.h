#pragma once

#include <memory>

#include "app/main_window.h"

namespace z3mq {

// The program without its platform: the main window, built and initialised on the given link and
// services. The GUI renders it; tests drive it. Constructed on the UI thread.
class App {
 public:
  explicit App(ShellServices services, std::unique_ptr<Q470Family> q470 = nullptr)
      : window_(services, std::move(q470)) {
    window_.initialise();
  }

  MainWindow& mainWindow() { return window_; }

 private:
  MainWindow window_;
};

}  // namespace z3mq
