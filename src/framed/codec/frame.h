#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "framed/codec/framed_code.h"
#include "link/printer_models.h"

namespace z3mq {

// A frame: 1B 1B 45 02, link byte, code (big-endian), payload length (32-bit little-endian),
// CRC-16/MODBUS (little-endian, computed with this field zeroed), payload.
inline constexpr std::array<std::uint8_t, 4> kFrameStart{0x1B, 0x1B, 0x45, 0x02};
inline constexpr std::size_t kFrameHeaderSize = 13;
// A request, header included, fits a 4000-byte buffer; printers expect no more.
inline constexpr std::size_t kMaxRequestPayload = 4000 - kFrameHeaderSize;

// Link byte: 2 on serial-emulation links, 1 on printer-class links.
std::uint8_t linkByteOf(LinkKind kind);

// One request before framing: its code and payload.
struct FramedRequest {
  FramedCode code;
  std::vector<std::uint8_t> payload;

  bool operator==(const FramedRequest&) const = default;
};

// Throws std::length_error for a payload above kMaxRequestPayload bytes.
std::vector<std::uint8_t> buildFrame(LinkKind kind, FramedCode code,
                                     std::span<const std::uint8_t> payload = {});
inline std::vector<std::uint8_t> buildFrame(LinkKind kind, std::uint16_t code,
                                            std::span<const std::uint8_t> payload = {}) {
  return buildFrame(kind, FramedCode{code}, payload);
}
inline std::vector<std::uint8_t> buildFrame(LinkKind kind, const FramedRequest& request) {
  return buildFrame(kind, request.code, request.payload);
}

// A frame taken apart. The payload runs from offset 13 to the end of the declared length, cut
// at the end of the bytes handed over; it views the caller's bytes.
struct FrameView {
  std::uint8_t linkByte;
  FramedCode code;
  std::span<const std::uint8_t> payload;
};

// Nullopt when the bytes do not start with a frame header (the fixed start and 13 bytes).
std::optional<FrameView> readFrame(std::span<const std::uint8_t> frame);

}  // namespace z3mq
