#pragma once

#include <chrono>
#include <vector>

#include "ui/clock.h"

namespace z3mq {

// Time that moves only when told: sleeping records the wait and moves the time on at once.
// Starts at the clock's epoch. For the UI thread only.
class FakeClock : public Clock {
 public:
  TimePoint now() const override { return now_; }
  void sleepFor(std::chrono::milliseconds duration) override {
    sleeps_.push_back(duration);
    now_ += duration;
  }

  void advance(std::chrono::milliseconds duration) { now_ += duration; }
  // Never goes back.
  void advanceTo(TimePoint time) {
    if (time > now_) now_ = time;
  }
  const std::vector<std::chrono::milliseconds>& sleeps() const { return sleeps_; }

 private:
  TimePoint now_{};
  std::vector<std::chrono::milliseconds> sleeps_;
};

}  // namespace z3mq
