#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace z3mq {

// Z3M printers talk in legacy packets: 01 02, a little-endian 16-bit length N, a command byte,
// N body bytes (the first is the sub-code), 03 04. No checksum, no escaping.
inline constexpr std::uint8_t kLegacyInformationRequestCommand = 0x49;   // 'I'
inline constexpr std::uint8_t kLegacySetRequestCommand = 0x53;           // 'S'
inline constexpr std::uint8_t kLegacyInformationResponseCommand = 0x69;  // 'i'
inline constexpr std::uint8_t kLegacySetResponseCommand = 0x73;          // 's'
inline constexpr std::uint8_t kLegacyPresenceResponseCommand = 0xFF;

// Sub-codes (the first body byte). Requests and responses share the first two.
inline constexpr std::uint8_t kLegacyIdentitySubCode = 0x00;
inline constexpr std::uint8_t kLegacyMenuSubCode = 0xFF;
inline constexpr std::uint8_t kLegacyModuleSubCode = 0x01;
inline constexpr std::uint8_t kLegacyEthernetSubCode = 0x02;
inline constexpr std::uint8_t kLegacyMaintenanceSubCode = 0xC0;

inline constexpr std::size_t kLegacyCommandOffset = 4;
inline constexpr std::size_t kLegacySubCodeOffset = 5;
// Where the items of a response begin; also the byte that carries ACK/NAK.
inline constexpr std::size_t kLegacyItemsOffset = 6;

// A complete packet around `body`. Throws std::length_error when the body does not fit the
// 16-bit length field.
std::vector<std::uint8_t> buildLegacyPacket(std::uint8_t command,
                                            std::span<const std::uint8_t> body);

// The byte at `offset`, or 0 when the packet is too short to hold it. Received packets are
// only known to start with 01 02 and end with 03 04, so every fixed position a reader looks at
// may lie beyond a short packet; such a byte reads as zero instead of being read.
std::uint8_t legacyByteAt(std::span<const std::uint8_t> packet, std::size_t offset);

// N as the packet states it (bytes 2 and 3), not checked against the packet's real size.
std::uint16_t legacyBodyLength(std::span<const std::uint8_t> packet);

}  // namespace z3mq
