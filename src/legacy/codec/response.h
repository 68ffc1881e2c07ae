#pragma once

#include <cstdint>
#include <span>

#include "legacy/codec/menu_block.h"

namespace z3mq {

enum class LegacyResponseKind {
  Ignored,              // a command or sub-code nobody acts on
  ModuleNotReady,       // 69 with NAK in byte 6, whatever the sub-code
  Information,          // 69 00: identity items
  MenuSwitch,           // 69 FF: the nine menu bytes
  ModuleInformation,    // 69 01: the wireless or Bluetooth module
  EthernetInformation,  // 69 02
  WriteAcknowledged,    // 73 FF with ACK in byte 6
  WriteRefused,         // any other 73
  Presence,             // FF
};

// Tells a complete packet's kind from its command, sub-code and byte 6, in the order the
// handler must test them: a NAK in byte 6 of a 69 response wins over its sub-code. A packet
// too short to hold one of these bytes reads it as zero (see legacyByteAt).
LegacyResponseKind classifyLegacyResponse(std::span<const std::uint8_t> packet);

// Bytes 7 to 15 of a menu switch response (byte 6 echoes the request's count and is not read).
// Bytes a short packet lacks read as zero.
MenuBlock menuBlockOfResponse(std::span<const std::uint8_t> packet);

}  // namespace z3mq
