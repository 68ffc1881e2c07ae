#pragma once

#include <chrono>
#include <functional>
#include <utility>

namespace z3mq {

// Numbered periodic timers of a window. Ticks arrive on the UI thread at the one handler that the
// owner sets; a tick that falls due while the UI thread is busy is delivered once, late.
class TimerService {
 public:
  using TickHandler = std::function<void(int timerId)>;

  virtual ~TimerService() = default;
  // Starting a running timer again restarts it with the new period.
  virtual void start(int timerId, std::chrono::milliseconds period) = 0;
  virtual void stop(int timerId) = 0;
  virtual bool isRunning(int timerId) const = 0;

  void setTickHandler(TickHandler handler) { handler_ = std::move(handler); }

 protected:
  void tick(int timerId) {
    if (handler_) handler_(timerId);
  }

 private:
  TickHandler handler_;
};

}  // namespace z3mq
