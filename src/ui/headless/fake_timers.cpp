#include "ui/headless/fake_timers.h"

#include <algorithm>

namespace z3mq {

void FakeTimers::start(int timerId, std::chrono::milliseconds period) {
  period = std::max(period, std::chrono::milliseconds{1});
  timers_[timerId] = Timer{period, clock_.now() + period};
}

void FakeTimers::advance(std::chrono::milliseconds duration) {
  const Clock::TimePoint end = clock_.now() + duration;
  for (;;) {
    const auto next =
        std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
          return a.second.due <
                 b.second.due;  // min_element keeps the first, i.e. lowest id, on ties
        });
    if (next == timers_.end() || next->second.due > end) break;
    const int id = next->first;
    Timer& timer = next->second;
    clock_.advanceTo(timer.due);
    // The next due time after now: missed periods are skipped, not delivered one by one. Set
    // before the tick so that a handler may stop or restart its own timer.
    const auto missed = (clock_.now() - timer.due) / timer.period;
    timer.due += timer.period * (missed + 1);
    tick(id);
  }
  clock_.advanceTo(end);
}

}  // namespace z3mq
