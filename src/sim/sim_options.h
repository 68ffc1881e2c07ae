#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "framed/codec/framed_code.h"
#include "link/printer_models.h"
#include "sim/legacy_request.h"
#include "sim/q470_state.h"
#include "sim/z3m_state.h"

// The Q470 and Z3M item lists share names and cannot meet in one file; this header brings in
// the Z3M lists (through the menu block), so Q470 files include q470_state.h instead.

namespace z3mq {

// Faults a test or a demo can switch on. Requests without an answer are still carried out.
struct SimFaults {
  bool muteAll = false;
  std::set<FramedCode> mutedCodes;
  std::set<LegacyRequestKind> mutedCommands;
  // Every answer to a request leaves this long after the request arrived.
  std::chrono::milliseconds answerDelay{0};
  // Each write is cut into writes of at most this many bytes (0: whole).
  std::size_t splitSize = 0;
  // Everything that falls due at the same moment goes out in one write.
  bool coalesce = false;
  // Written in front of every message.
  std::vector<std::uint8_t> garbage;
  // After this many messages the printer goes away and never writes again.
  std::optional<std::size_t> vanishAfter;
  // A Z3M printer refuses menu writes (73 FF 15) and keeps its menu.
  bool refuseWrites = false;
};

struct SimOptions {
  PrinterFamily family = PrinterFamily::Q470;
  LinkKind linkKind = LinkKind::SerialEmulate;
  Q470State q470;
  Z3mState z3m;
  SimFaults faults;
};

}  // namespace z3mq
