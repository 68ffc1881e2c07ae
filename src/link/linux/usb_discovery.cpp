#include "link/linux/usb_discovery.h"

#include "link/linux/device_node.h"
#include "link/linux/udev_usb.h"

namespace z3mq {
namespace {

std::optional<DiscoveredPrinter> printerBehind(udev_device* node) {
  const char* nodePath = udev_device_get_devnode(node);
  udev_device* usbDevice = udev_device_get_parent_with_subsystem_devtype(node, "usb", "usb_device");
  if (nodePath == nullptr || usbDevice == nullptr) return {};
  const auto ids = usbIdsOf(usbDevice);
  if (!ids) return {};
  const PrinterModel* model = findPrinterModel(ids->vendorId, ids->productId);
  if (model == nullptr) return {};
  return DiscoveredPrinter{
      nodePath, ids->vendorId, ids->productId,
      usbInterfaceName(ids->vendorId, ids->productId, usbInstanceOf(usbDevice)), model};
}

}  // namespace

std::vector<DiscoveredPrinter> enumerateUsbPrinters() {
  std::vector<DiscoveredPrinter> printers;
  UdevPtr<udev> context(udev_new());
  if (!context) return printers;
  UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context.get()));
  if (!enumerate) return printers;
  udev_enumerate_add_match_subsystem(enumerate.get(), "tty");
  udev_enumerate_add_match_subsystem(enumerate.get(), "usbmisc");
  if (udev_enumerate_scan_devices(enumerate.get()) < 0) return printers;

  udev_list_entry* entry;
  udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
    UdevPtr<udev_device> node(
        udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
    if (!node) continue;
    if (auto printer = printerBehind(node.get())) printers.push_back(std::move(*printer));
  }
  return printers;
}

UniqueFd findUsbPrinter(PrinterSession& session, const Diagnostics& diagnostics) {
  for (const DiscoveredPrinter& printer : enumerateUsbPrinters()) {
    session.devicePath = printer.nodePath;
    session.deviceModel = printer.model;
    if (UniqueFd fd = openPrinterNode(printer.nodePath, diagnostics); fd.valid()) return fd;
  }
  return {};
}

}  // namespace z3mq
