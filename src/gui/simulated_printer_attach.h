#pragma once

#include <memory>
#include <string_view>

#include "link/linux/linux_link.h"
#include "link/printer_models.h"

namespace z3mq {

// Kept out of this header: the simulator's headers and the control model's cannot meet in one
// file (both define ipv4()).
class SimulatedPty;
struct StopDemoPrinter {
  void operator()(SimulatedPty* printer) const;
};
using DemoPrinter = std::unique_ptr<SimulatedPty, StopDemoPrinter>;

// The printers demo mode can attach, by the names the command line takes: "q470", "q470-usb",
// "z3m", "z3m-usb" (a serial-emulation or a printer-class device of each family). Null for any
// other name.
const PrinterModel* simulatedPrinterModel(std::string_view name);

// Starts a simulated printer of that model on a pseudo-terminal and makes the link open it where
// it would have run discovery: everything from opening the node on goes through the real channel.
// The printer serves until the returned handle is destroyed. Throws std::system_error when no
// pseudo-terminal can be had.
DemoPrinter attachSimulatedPrinter(LinuxLink& link, const PrinterModel& model);

}  // namespace z3mq
