#pragma once

#include <chrono>
#include <thread>

#include "ui/clock.h"

namespace z3mq {

// Real time. A fixed wait blocks the calling thread, as the workflows expect.
class SteadyClock : public Clock {
 public:
  TimePoint now() const override { return std::chrono::steady_clock::now(); }
  void sleepFor(std::chrono::milliseconds duration) override {
    std::this_thread::sleep_for(duration);
  }
};

}  // namespace z3mq
