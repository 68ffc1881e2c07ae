#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "link/printer_models.h"

namespace z3mq {

// The link fields of the printer session. One instance lives as long as the main window; it is
// never copied or replaced, connecting again reuses it.
struct PrinterSession {
  // Channel open. Written by Open/Close on the UI thread, read by the worker.
  std::atomic<std::int32_t> opened{0};
  // Node path of the last matching device discovery tried; kept when discovery finds nothing.
  std::string devicePath;
  // The known printer that devicePath belongs to; null until discovery has matched one.
  const PrinterModel* deviceModel = nullptr;
  LinkKind linkKind = LinkKind::SerialEmulate;
  // Set by every sender that expects an answer, cleared by the receive side after a read
  // attempt. Senders run on either thread.
  std::atomic<std::int32_t> responsePending{0};
  PrinterFamily family = PrinterFamily::None;
  // Network capability code of a Q470 printer; kept across reconnections.
  std::string capabilityCode;
};

// The search fields the main window keeps beside the session.
struct SearchFields {
  std::int32_t searchState = 0;  // 0 idle, 1 connect, 2 check, 3 report
  bool printerOnline = false;
  std::int32_t elapsedSeconds = 0;
  std::int32_t searchTimeout = 0;
  bool identityReceived = false;  // never cleared once set
};

}  // namespace z3mq
