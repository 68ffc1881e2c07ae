#include "gui/device_event_notifier.h"

namespace z3mq {

DeviceEventNotifier::DeviceEventNotifier(int fd, Drain drain, Handler handler)
    : drain_(std::move(drain)), handler_(std::move(handler)), notifier_(QSocketNotifier::Read) {
  if (fd < 0) return;
  notifier_.setSocket(fd);
  QObject::connect(&notifier_, &QSocketNotifier::activated, [this] {
    for (const DeviceEvent& event : drain_()) handler_(event);
  });
  notifier_.setEnabled(true);
}

}  // namespace z3mq
