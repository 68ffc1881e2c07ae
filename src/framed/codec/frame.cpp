#include "framed/codec/frame.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "framed/codec/crc16.h"
#include "framed/codec/payload_bytes.h"

namespace z3mq {
namespace {

constexpr std::size_t kLinkByteOffset = 4;
constexpr std::size_t kCodeOffset = 5;
constexpr std::size_t kLengthOffset = 7;
constexpr std::size_t kChecksumOffset = 11;

bool startsLikeFrame(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kFrameStart.size() &&
         std::equal(kFrameStart.begin(), kFrameStart.end(), bytes.begin());
}

}  // namespace

std::uint8_t linkByteOf(LinkKind kind) {
  return kind == LinkKind::ActualUsb ? 0x01 : 0x02;
}

std::vector<std::uint8_t> buildFrame(LinkKind kind, FramedCode code,
                                     std::span<const std::uint8_t> payload) {
  if (payload.size() > kMaxRequestPayload) {
    throw std::length_error("framed request payload of " + std::to_string(payload.size()) +
                            " bytes exceeds the limit of " + std::to_string(kMaxRequestPayload) +
                            " bytes");
  }
  std::vector<std::uint8_t> frame(kFrameStart.begin(), kFrameStart.end());
  frame.reserve(kFrameHeaderSize + payload.size());
  frame.push_back(linkByteOf(kind));
  const auto value = static_cast<std::uint16_t>(code);
  frame.push_back(static_cast<std::uint8_t>(value >> 8));
  frame.push_back(static_cast<std::uint8_t>(value));
  appendLe32(frame, static_cast<std::uint32_t>(payload.size()));
  appendLe16(frame, 0);
  frame.insert(frame.end(), payload.begin(), payload.end());
  const std::uint16_t crc = crc16Modbus(frame);
  frame[kChecksumOffset] = static_cast<std::uint8_t>(crc);
  frame[kChecksumOffset + 1] = static_cast<std::uint8_t>(crc >> 8);
  return frame;
}

std::optional<FrameView> readFrame(std::span<const std::uint8_t> frame) {
  if (frame.size() < kFrameHeaderSize || !startsLikeFrame(frame)) return std::nullopt;
  const PayloadReader header(frame);
  const auto code =
      static_cast<std::uint16_t>(header.u8(kCodeOffset) << 8 | header.u8(kCodeOffset + 1));
  const auto rest = frame.subspan(kFrameHeaderSize);
  const std::size_t length = std::min<std::size_t>(header.le32(kLengthOffset), rest.size());
  return FrameView{header.u8(kLinkByteOffset), FramedCode{code}, rest.first(length)};
}

}  // namespace z3mq
