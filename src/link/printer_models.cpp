#include "link/printer_models.h"

#include <cstdio>

namespace z3mq {

const PrinterModel* findPrinterModel(std::uint16_t vendorId, std::uint16_t productId) {
  for (const auto& model : kKnownPrinters) {
    if (model.vendorId == vendorId && model.productId == productId) return &model;
  }
  return nullptr;
}

const PrinterModel* findPrinterModelByDeviceId(std::string_view deviceId) {
  for (const auto& model : kKnownPrinters) {
    if (model.deviceId == deviceId) return &model;
  }
  return nullptr;
}

std::string_view modelNameOf(const PrinterModel* model) {
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
