#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace z3mq {

// Reads the fixed offsets of an answer payload. Printers send what they send: a byte past the
// end of the payload reads as zero (so a short answer decodes as if zero-padded), and nothing
// is ever read beyond the bytes handed over.
class PayloadReader {
 public:
  explicit PayloadReader(std::span<const std::uint8_t> payload) : payload_(payload) {}

  std::uint8_t u8(std::size_t offset) const {
    return offset < payload_.size() ? payload_[offset] : 0;
  }
  std::uint16_t le16(std::size_t offset) const {
    return static_cast<std::uint16_t>(u8(offset) | u8(offset + 1) << 8);
  }
  std::uint32_t le32(std::size_t offset) const {
    return std::uint32_t{le16(offset)} | std::uint32_t{le16(offset + 2)} << 16;
  }
  // IPv4 addresses travel first octet first; we hold them with the first octet most significant.
  std::uint32_t be32(std::size_t offset) const {
    return std::uint32_t{u8(offset)} << 24 | std::uint32_t{u8(offset + 1)} << 16 |
           std::uint32_t{u8(offset + 2)} << 8 | u8(offset + 3);
  }

  // Up to count bytes from offset, cut at the end of the payload.
  std::span<const std::uint8_t> bytes(std::size_t offset, std::size_t count) const;

  // A printer text of count bytes at offset as UTF-8, cut at the end of the payload and at its
  // first zero byte. Texts are shown whole, whatever their length.
  std::string text(std::size_t offset, std::size_t count) const;

 private:
  std::span<const std::uint8_t> payload_;
};

void appendLe16(std::vector<std::uint8_t>& out, std::uint16_t value);
void appendLe32(std::vector<std::uint8_t>& out, std::uint32_t value);
void appendBe32(std::vector<std::uint8_t>& out, std::uint32_t value);

}  // namespace z3mq
