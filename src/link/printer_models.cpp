#include "link/printer_models.h"

#include <cstdio>

namespace z3mq {

const PrinterModel* findPrinterModel(std::uint16_t vendorId, std::uint16_t productId) {
  for (const auto& model : kKnownPrinters) {
    if (model.vendorId == vendorId && model.productId == productId) return &model;
  }
  return nullptr;
}

const PrinterModel* findPrinterModelInPath(std::string_view devicePath) {
  for (const auto& model : kKnownPrinters) {
    if (devicePath.find(model.pathKey) != std::string_view::npos) return &model;
  }
  return nullptr;
}

PathClassification classifyDevicePath(std::string_view devicePath) {
  const auto names = [&](std::uint16_t pid) {
    for (const auto& model : kKnownPrinters) {
      if (model.productId == pid) return devicePath.find(model.pathKey) != std::string_view::npos;
    }
    return false;
  };
  if (names(0x5310)) return {LinkKind::SerialEmulate, PrinterFamily::Z3M};
  if (names(0x018A)) return {LinkKind::SerialEmulate, PrinterFamily::Q470};
  return {LinkKind::ActualUsb, names(0x5311) ? PrinterFamily::Z3M : PrinterFamily::Q470};
}

std::string_view modelNameForPath(std::string_view devicePath) {
  const PrinterModel* model = findPrinterModelInPath(devicePath);
  return model ? model->modelName : kUnknownModelName;
}

std::string usbDeviceId(std::uint16_t vendorId, std::uint16_t productId) {
  char text[32];
  std::snprintf(text, sizeof text, "VID_%04X&PID_%04X", vendorId, productId);
  return text;
}

std::string usbInterfaceName(std::uint16_t vendorId, std::uint16_t productId,
                             std::string_view instance) {
  return "\\\\?\\USB#" + usbDeviceId(vendorId, productId) + "#" + std::string(instance) +
         "#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
}

}  // namespace z3mq
