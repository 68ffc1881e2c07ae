#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "cli/printer_commands.h"
#include "link/printer_models.h"

namespace z3mq {

class Trace;

// A printer named by its node, with what is behind it.
struct PrinterTarget {
  std::string path;
  PrinterFamily family = PrinterFamily::None;
  LinkKind linkKind = LinkKind::SerialEmulate;
};

// --device PATH [--family] [--link]: the family and link kind of a node that discovery knows come
// from its ids unless given; for any other node (a pseudo-terminal, say) the family must be
// given, and the link kind defaults to a printer-class link for /dev/usb/ and lp nodes, serial
// emulation otherwise. Throws CliError(BadInput) when the family cannot be told.
PrinterTarget deviceTarget(const std::string& path, std::optional<PrinterFamily> family,
                           std::optional<LinkKind> linkKind);

// Every known printer attached, in enumeration order.
std::vector<PrinterTarget> attachedTargets();

struct RunSettings {
  std::chrono::milliseconds settle{1000};  // after opening, before the first request
  Trace* trace = nullptr;
};

// The result of a command on one printer.
struct PrinterReport {
  std::string devicePath;
  ExitCode code = ExitCode::Ok;
  std::string error;
  Outcome outcome;
};

// Opens the target (or, without one, the first discovered printer that opens), waits the settle
// time, runs the command and closes the printer again.
PrinterReport runOnPrinter(const PrinterTarget* target, const RunSettings& settings,
                           const PrinterCommand& command);

}  // namespace z3mq
