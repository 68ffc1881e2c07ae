#pragma once

#include <QTimer>
#include <chrono>
#include <map>
#include <memory>

#include "ui/timer_service.h"

namespace z3mq {

// Numbered timers on the Qt event loop of the thread that uses them (the UI thread).
class QtTimers : public TimerService {
 public:
  void start(int timerId, std::chrono::milliseconds period) override;
  void stop(int timerId) override;
  bool isRunning(int timerId) const override;

 private:
  std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace z3mq
