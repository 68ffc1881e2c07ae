#include "framed/codec/payload_bytes.h"

#include <algorithm>

#include "codec/text.h"

namespace z3mq {

std::span<const std::uint8_t> PayloadReader::bytes(std::size_t offset, std::size_t count) const {
  if (offset >= payload_.size()) return {};
  return payload_.subspan(offset, std::min(count, payload_.size() - offset));
}

std::string PayloadReader::text(std::size_t offset, std::size_t count) const {
  const auto raw = bytes(offset, count);
  return ansiToUtf8(
      raw.first(static_cast<std::size_t>(std::find(raw.begin(), raw.end(), 0) - raw.begin())));
}

void appendLe16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void appendLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  appendLe16(out, static_cast<std::uint16_t>(value));
  appendLe16(out, static_cast<std::uint16_t>(value >> 16));
}

void appendBe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace z3mq
