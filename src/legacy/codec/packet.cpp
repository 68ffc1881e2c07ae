#include "legacy/codec/packet.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace z3mq {

std::vector<std::uint8_t> buildLegacyPacket(std::uint8_t command,
                                            std::span<const std::uint8_t> body) {
  if (body.size() > std::numeric_limits<std::uint16_t>::max()) {
    throw std::length_error("legacy packet body of " + std::to_string(body.size()) +
                            " bytes exceeds the 65535 bytes its length field can state");
  }
  const auto length = static_cast<std::uint16_t>(body.size());
  std::vector<std::uint8_t> packet(body.size() + 7);
  packet[0] = 0x01;
  packet[1] = 0x02;
  packet[2] = static_cast<std::uint8_t>(length & 0xFF);
  packet[3] = static_cast<std::uint8_t>(length >> 8);
  packet[kLegacyCommandOffset] = command;
  std::copy(body.begin(), body.end(), packet.begin() + kLegacySubCodeOffset);
  packet[packet.size() - 2] = 0x03;
  packet[packet.size() - 1] = 0x04;
  return packet;
}

std::uint8_t legacyByteAt(std::span<const std::uint8_t> packet, std::size_t offset) {
  return offset < packet.size() ? packet[offset] : 0;
}

std::uint16_t legacyBodyLength(std::span<const std::uint8_t> packet) {
  return static_cast<std::uint16_t>(legacyByteAt(packet, 2) | (legacyByteAt(packet, 3) << 8));
}

}  // namespace z3mq
