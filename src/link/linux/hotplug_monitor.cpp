#include "link/linux/hotplug_monitor.h"

#include <string_view>

#include "link/printer_models.h"

namespace z3mq {
namespace {

std::optional<DeviceEvent> eventOf(udev_device* device) {
  const char* action = udev_device_get_action(device);
  if (action == nullptr) return {};
  DeviceEvent event;
  if (std::string_view(action) == "add") {
    event.code = device_event::kArrival;
  } else if (std::string_view(action) == "remove") {
    event.code = device_event::kRemoveComplete;
  } else {
    return {};
  }
  if (const auto ids = usbIdsOf(device)) {
    event.interfaceName = usbInterfaceName(ids->vendorId, ids->productId, usbInstanceOf(device));
  }
  return event;
}

}  // namespace

HotplugMonitor::HotplugMonitor() : context_(udev_new()) {
  if (!context_) return;
  UdevPtr<udev_monitor> monitor(udev_monitor_new_from_netlink(context_.get(), "udev"));
  if (!monitor ||
      udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "usb", "usb_device") < 0 ||
      udev_monitor_enable_receiving(monitor.get()) < 0) {
    return;
  }
  monitor_ = std::move(monitor);
}

int HotplugMonitor::fd() const {
  return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1;
}

std::vector<DeviceEvent> HotplugMonitor::drain() {
  std::vector<DeviceEvent> events;
  if (!monitor_) return events;
  while (UdevPtr<udev_device> device{udev_monitor_receive_device(monitor_.get())}) {
    if (auto event = eventOf(device.get())) events.push_back(std::move(*event));
  }
  return events;
}

}  // namespace z3mq
