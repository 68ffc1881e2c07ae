#include "link/linux/udev_usb.h"

#include <charconv>

namespace z3mq {
namespace {

std::optional<std::uint16_t> parseHexId(std::string_view text) {
  std::uint16_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  return value;
}

std::optional<UsbIds> idsFromPair(const char* vendor, const char* product) {
  if (vendor == nullptr || product == nullptr) return {};
  const auto vendorId = parseHexId(vendor);
  const auto productId = parseHexId(product);
  if (!vendorId || !productId) return {};
  return UsbIds{*vendorId, *productId};
}

}  // namespace

std::optional<UsbIds> parseUsbProductProperty(std::string_view product) {
  const auto first = product.find('/');
  if (first == std::string_view::npos) return {};
  const auto second = product.find('/', first + 1);
  if (second == std::string_view::npos) return {};
  const auto vendorId = parseHexId(product.substr(0, first));
  const auto productId = parseHexId(product.substr(first + 1, second - first - 1));
  if (!vendorId || !productId) return {};
  return UsbIds{*vendorId, *productId};
}

std::optional<UsbIds> usbIdsOf(udev_device* usbDevice) {
  if (auto ids = idsFromPair(udev_device_get_sysattr_value(usbDevice, "idVendor"),
                             udev_device_get_sysattr_value(usbDevice, "idProduct"))) {
    return ids;
  }
  if (const char* product = udev_device_get_property_value(usbDevice, "PRODUCT")) {
    if (auto ids = parseUsbProductProperty(product)) return ids;
  }
  return idsFromPair(udev_device_get_property_value(usbDevice, "ID_VENDOR_ID"),
                     udev_device_get_property_value(usbDevice, "ID_MODEL_ID"));
}

std::string usbInstanceOf(udev_device* usbDevice) {
  for (const char* serial : {udev_device_get_property_value(usbDevice, "ID_SERIAL_SHORT"),
                             udev_device_get_sysattr_value(usbDevice, "serial")}) {
    if (serial != nullptr && *serial != '\0') return serial;
  }
  const char* name = udev_device_get_sysname(usbDevice);
  return name != nullptr ? name : "";
}

}  // namespace z3mq
