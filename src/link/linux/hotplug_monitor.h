#pragma once

#include <vector>

#include "link/device_event.h"
#include "link/linux/udev_usb.h"

namespace z3mq {

// Watches USB devices come and go. Its descriptor is non-blocking: the GUI wraps it in a socket
// notifier, the CLI polls it, and either calls drain() when it is readable.
class HotplugMonitor {
 public:
  HotplugMonitor();

  // Whether the monitor is listening; without udev there is nothing to watch.
  bool valid() const { return monitor_ != nullptr; }
  int fd() const;

  // The arrivals (kArrival) and removals (kRemoveComplete) received since the last call, with
  // Windows-style interface names built from the ids; other actions are skipped.
  std::vector<DeviceEvent> drain();

 private:
  UdevPtr<udev> context_;
  UdevPtr<udev_monitor> monitor_;
};

}  // namespace z3mq
