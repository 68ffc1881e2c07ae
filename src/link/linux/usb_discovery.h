#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/diagnostics.h"
#include "link/linux/unique_fd.h"
#include "link/printer_models.h"
#include "link/session.h"

namespace z3mq {

// A tty or usbmisc node whose USB device is one of the known printers.
struct DiscoveredPrinter {
  std::string nodePath;  // /dev/ttyACM0, /dev/usb/lp0
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::string interfaceName;  // Windows style, for texts built from it
  const PrinterModel* model = nullptr;
};

// The known printers present, in the order the system enumerates them.
std::vector<DiscoveredPrinter> enumerateUsbPrinters();

// Tries the known printers in enumeration order and returns the first that opens exclusively.
// Records each one's node path and model in the session before trying it, so that they name the
// last printer tried even when none opens; leaves them as they were when none is present.
UniqueFd findUsbPrinter(PrinterSession& session, const Diagnostics& diagnostics);

}  // namespace z3mq
