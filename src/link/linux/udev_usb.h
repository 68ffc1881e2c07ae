#pragma once

#include <libudev.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace z3mq {

struct UdevDeleter {
  void operator()(udev* handle) const { udev_unref(handle); }
  void operator()(udev_device* device) const { udev_device_unref(device); }
  void operator()(udev_enumerate* enumerate) const { udev_enumerate_unref(enumerate); }
  void operator()(udev_monitor* monitor) const { udev_monitor_unref(monitor); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

struct UsbIds {
  std::uint16_t vendorId;
  std::uint16_t productId;
};

// The ids in a usb device's PRODUCT property, "45b/5310/100" (hex, no padding).
std::optional<UsbIds> parseUsbProductProperty(std::string_view product);

// The ids of a usb_device: from its sysfs attributes while it is present, otherwise (a removal)
// from the PRODUCT property or the ID_VENDOR_ID/ID_MODEL_ID pair that the event still carries.
std::optional<UsbIds> usbIdsOf(udev_device* usbDevice);

// The instance part of a Windows-style interface name: the serial number when the device has
// one, otherwise its sysfs name ("1-4"). Available on removal too.
std::string usbInstanceOf(udev_device* usbDevice);

}  // namespace z3mq
