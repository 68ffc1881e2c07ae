#pragma once

#include <QSocketNotifier>
#include <functional>
#include <vector>

#include "link/device_event.h"

namespace z3mq {

// Delivers device arrivals and removals on the UI thread: when the watcher's descriptor becomes
// readable, drain() collects what has happened and each event goes to the handler in order.
class DeviceEventNotifier {
 public:
  using Drain = std::function<std::vector<DeviceEvent>()>;
  using Handler = std::function<void(const DeviceEvent&)>;

  // With a negative descriptor (nothing to watch) it never fires.
  DeviceEventNotifier(int fd, Drain drain, Handler handler);

 private:
  Drain drain_;
  Handler handler_;
  QSocketNotifier notifier_;
};

}  // namespace z3mq
