#pragma once

#include <cstdint>
#include <vector>

#include "legacy/codec/menu_block.h"

namespace z3mq {

// A request to a Z3M printer as it goes on the wire in one write. When `expectsAnswer` is set
// the sender marks the session's response as pending after writing it.
//
// The ASCII test line, the one transmission of the family outside a packet, is asciiTestLine()
// of codec/text.h; it expects no answer.
struct LegacyRequest {
  std::vector<std::uint8_t> bytes;
  bool expectsAnswer = false;
};

// Asks for model name, firmware, dates, serial and partition: 01 02 01 00 49 00 03 04.
LegacyRequest informationRequest();
// Asks for the nine menu bytes: 01 02 01 00 49 FF 03 04.
LegacyRequest menuReadRequest();
// Writes the nine menu bytes: 01 02 0B 00 53 FF 09, the block, 03 04.
LegacyRequest menuWriteRequest(const MenuBlock& block);
// Prints the printer's own setting page: 01 02 03 00 53 C0 01 01 03 04.
LegacyRequest settingPageRequest();
// Restarts the printer so that written menu bytes take effect: 01 02 03 00 53 C0 01 FF 03 04.
LegacyRequest resetRequest();

}  // namespace z3mq
