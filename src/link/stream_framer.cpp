#include "link/stream_framer.h"

#include <algorithm>
#include <array>

namespace z3mq {

namespace {

struct StartSequence {
  MessageKind kind;
  std::array<std::uint8_t, 5> bytes;
  std::size_t size;
};

constexpr std::array<StartSequence, 4> kStarts{{
    {MessageKind::Legacy, {0x01, 0x02}, 2},
    {MessageKind::AuxReport, {0x37, 0x59}, 2},
    {MessageKind::Framed, {0x1B, 0x1B, 0x45, 0x02, 0x01}, 5},
    {MessageKind::Framed, {0x1B, 0x1B, 0x45, 0x02, 0x02}, 5},
}};

// Offsets of the low 16 bits of a frame's payload length.
constexpr std::size_t kFrameLengthLow = 7;
constexpr std::size_t kFrameLengthHigh = 8;
constexpr std::size_t kFrameHeaderSize = 13;
// Offsets of a legacy packet's length field N; the packet is N + kLegacyOverhead bytes.
constexpr std::size_t kLegacyLengthLow = 2;
constexpr std::size_t kLegacyLengthHigh = 3;
constexpr std::size_t kLegacyOverhead = 7;

enum class StartMatch { None, Partial, Whole };

StartMatch matchStart(const std::vector<std::uint8_t>& bytes, MessageKind& kind) {
  StartMatch best = StartMatch::None;
  for (const StartSequence& start : kStarts) {
    if (bytes.size() > start.size || !std::equal(bytes.begin(), bytes.end(), start.bytes.begin())) {
      continue;
    }
    if (bytes.size() == start.size) {
      kind = start.kind;
      return StartMatch::Whole;
    }
    best = StartMatch::Partial;
  }
  return best;
}

std::size_t littleEndian16(const std::vector<std::uint8_t>& bytes, std::size_t low,
                           std::size_t high) {
  return bytes[low] + 256u * bytes[high];
}

}  // namespace

std::vector<Message> StreamFramer::feed(std::span<const std::uint8_t> bytes) {
  std::vector<Message> out;
  for (const std::uint8_t byte : bytes) {
    if (gathering_) {
      gather(byte, out);
    } else {
      seek(byte);
    }
  }
  return out;
}

void StreamFramer::reset() {
  bytes_.clear();
  gathering_ = false;
}

bool StreamFramer::gathering() const {
  return gathering_;
}

void StreamFramer::seek(std::uint8_t byte) {
  bytes_.push_back(byte);
  while (!bytes_.empty()) {
    switch (matchStart(bytes_, kind_)) {
      case StartMatch::Whole:
        gathering_ = true;
        return;
      case StartMatch::Partial:
        return;
      case StartMatch::None:
        // A start may still begin at a later byte of what was held back.
        bytes_.erase(bytes_.begin());
        break;
    }
  }
}

void StreamFramer::gather(std::uint8_t byte, std::vector<Message>& out) {
  if (bytes_.size() == kCapacity) {
    reset();
    seek(byte);
    return;
  }
  bytes_.push_back(byte);
  if (kind_ == MessageKind::Framed && bytes_.size() == kFrameLengthHigh + 1 &&
      kFrameHeaderSize + littleEndian16(bytes_, kFrameLengthLow, kFrameLengthHigh) > kCapacity) {
    reset();
    return;
  }
  if (complete()) {
    out.push_back(Message{kind_, std::move(bytes_)});
    reset();
  }
}

bool StreamFramer::complete() const {
  switch (kind_) {
    case MessageKind::Framed:
      return bytes_.size() > kFrameLengthHigh &&
             bytes_.size() ==
                 kFrameHeaderSize + littleEndian16(bytes_, kFrameLengthLow, kFrameLengthHigh);
    case MessageKind::AuxReport:
      return bytes_.back() == 0x00;
    case MessageKind::Legacy:
      return legacyComplete();
  }
  return false;
}

bool StreamFramer::legacyComplete() const {
  if (bytes_.size() < kLegacyOverhead) return false;
  const std::size_t declared =
      littleEndian16(bytes_, kLegacyLengthLow, kLegacyLengthHigh) + kLegacyOverhead;
  if (declared <= kCapacity && bytes_.size() <= declared) {
    return bytes_.size() == declared && endsWithTrailer();
  }
  return endsWithTrailer();
}

bool StreamFramer::endsWithTrailer() const {
  const std::size_t n = bytes_.size();
  return bytes_[n - 2] == 0x03 && bytes_[n - 1] == 0x04;
}

}  // namespace z3mq
