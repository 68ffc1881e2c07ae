#pragma once

#include <ostream>

#include "cli/printer_runner.h"

namespace z3mq {

// Prints device arrivals and removals and the auxiliary reports of the printer (the target, or
// the first discovered one; without a printer only the device events), one line each, until
// SIGINT or SIGTERM. Returns the exit code.
ExitCode runMonitor(const PrinterTarget* target, bool json, Trace* trace, std::ostream& out,
                    std::ostream& err);

}  // namespace z3mq
