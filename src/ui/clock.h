#pragma once

#include <chrono>

namespace z3mq {

// Time as the workflows see it: the fixed waits (the settle after opening a channel, the pause
// before a search on device arrival) block the calling thread.
class Clock {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;

  virtual ~Clock() = default;
  virtual TimePoint now() const = 0;
  virtual void sleepFor(std::chrono::milliseconds duration) = 0;
};

}  // namespace z3mq
