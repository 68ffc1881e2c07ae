#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <variant>

#include "link/printer_models.h"

namespace z3mq {

// What the command line asks for. Without options the program runs discovery as usual.
struct ProgramOptions {
  // A simulated printer to attach instead of looking for a real one.
  const PrinterModel* simulate = nullptr;
  // Attach the simulated printer only when no known printer is present.
  bool onlyIfAbsent = false;
};

// --simulate MODEL or --simulate-if-absent MODEL, MODEL one of q470, q470-usb, z3m, z3m-usb.
// A usage error gives its message; --help prints the usage and exits.
std::variant<ProgramOptions, std::string> parseProgramOptions(const QStringList& arguments);

}  // namespace z3mq
