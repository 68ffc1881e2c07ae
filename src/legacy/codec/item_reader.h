#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "legacy/codec/packet.h"

namespace z3mq {

// Walks the items of a legacy response one after the other. Items are found only through their
// length bytes, which nothing checks, so the reader never trusts them: a counted string whose
// length runs past the end of the packet is cut there, an item that starts beyond the end reads
// as an empty text or a zero byte. A text ends at its first zero byte, as the window shows it;
// it has no other length limit.
class LegacyItemReader {
 public:
  explicit LegacyItemReader(std::span<const std::uint8_t> packet,
                            std::size_t offset = kLegacyItemsOffset)
      : packet_(packet), offset_(offset) {}

  // Packet offset of the next item.
  std::size_t offset() const { return offset_; }

  // Length byte of the next counted string, without moving on.
  std::uint8_t nextLength() const { return legacyByteAt(packet_, offset_); }

  std::uint8_t byte() { return legacyByteAt(packet_, offset_++); }

  // The next counted string as the printer's bytes, one per character.
  std::string_view rawText();

  // The next counted string as UTF-8.
  std::string text();
  std::uint32_t dottedAddress();
  // Hexadecimal digits shown as pairs joined by '-'.
  std::string hexAddress();

 private:
  std::span<const std::uint8_t> packet_;
  std::size_t offset_;
};

}  // namespace z3mq
