#include "gui/simulated_printer_attach.h"

#include <array>

#include "sim/simulated_pty.h"

namespace z3mq {
namespace {

struct SimulatedName {
  std::string_view name;
  PrinterFamily family;
  LinkKind linkKind;
};

constexpr std::array<SimulatedName, 4> kSimulatedNames{{
    {"q470", PrinterFamily::Q470, LinkKind::SerialEmulate},
    {"q470-usb", PrinterFamily::Q470, LinkKind::ActualUsb},
    {"z3m", PrinterFamily::Z3M, LinkKind::SerialEmulate},
    {"z3m-usb", PrinterFamily::Z3M, LinkKind::ActualUsb},
}};

}  // namespace

const PrinterModel* simulatedPrinterModel(std::string_view name) {
  for (const SimulatedName& simulated : kSimulatedNames) {
    if (simulated.name != name) continue;
    for (const PrinterModel& model : kKnownPrinters) {
      if (model.family == simulated.family && model.linkKind == simulated.linkKind) return &model;
    }
  }
  return nullptr;
}

void StopDemoPrinter::operator()(SimulatedPty* printer) const {
  delete printer;
}

DemoPrinter attachSimulatedPrinter(LinuxLink& link, const PrinterModel& model) {
  SimOptions options;
  options.family = model.family;
  options.linkKind = model.linkKind;
  DemoPrinter printer(startSimulatedPrinterOnPty(options).release());
  link.replaceDiscovery(printer->slavePath(), model);
  return printer;
}

}  // namespace z3mq
