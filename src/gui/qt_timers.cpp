#include "gui/qt_timers.h"

namespace z3mq {

void QtTimers::start(int timerId, std::chrono::milliseconds period) {
  std::unique_ptr<QTimer>& timer = timers_[timerId];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    // Millisecond periods (the search step) must not be stretched to the coarse timer's slack.
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, [this, timerId] { tick(timerId); });
  }
  timer->start(std::max(period, std::chrono::milliseconds(1)));
}

void QtTimers::stop(int timerId) {
  if (const auto it = timers_.find(timerId); it != timers_.end()) it->second->stop();
}

bool QtTimers::isRunning(int timerId) const {
  const auto it = timers_.find(timerId);
  return it != timers_.end() && it->second->isActive();
}

}  // namespace z3mq
