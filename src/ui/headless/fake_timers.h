#pragma once

#include <chrono>
#include <map>

#include "ui/headless/fake_clock.h"
#include "ui/timer_service.h"

namespace z3mq {

// Timers on a fake clock, for tests. A timer started at time s with period p falls due at s + p,
// s + 2p, ...; advance() moves the clock on and delivers the ticks in time order (timers due at
// the same moment in order of id), with the clock standing at each tick's due time while its
// handler runs. When a handler moves the clock past further due times (a fixed wait), each
// overdue timer ticks once, as the platform's timers do.
class FakeTimers : public TimerService {
 public:
  explicit FakeTimers(FakeClock& clock) : clock_(clock) {}

  // A period below 1 ms counts as 1 ms.
  void start(int timerId, std::chrono::milliseconds period) override;
  void stop(int timerId) override { timers_.erase(timerId); }
  bool isRunning(int timerId) const override { return timers_.contains(timerId); }

  void advance(std::chrono::milliseconds duration);
  // Delivers one tick of this id now, whether or not such a timer runs (as a stray timer message
  // would be).
  void fire(int timerId) { tick(timerId); }

 private:
  struct Timer {
    std::chrono::milliseconds period;
    Clock::TimePoint due;
  };

  FakeClock& clock_;
  std::map<int, Timer> timers_;
};

}  // namespace z3mq
