#include "sim/host_stream.h"

#include <algorithm>
#include <array>

namespace z3mq {

namespace {

// The longest start sequence the framer waits to see whole before it gathers: a frame's
// 1B 1B 45 02 and its link byte. A legacy packet or report start is one byte long while held.
constexpr std::array<std::uint8_t, 4> kFrameStartHeld{0x1B, 0x1B, 0x45, 0x02};

// How many of the last bytes may still turn out to be the start of a message.
std::size_t heldStartLength(std::span<const std::uint8_t> bytes) {
  for (std::size_t length = std::min(bytes.size(), kFrameStartHeld.size()); length > 0; --length) {
    const auto tail = bytes.last(length);
    if (std::equal(tail.begin(), tail.end(), kFrameStartHeld.begin())) return length;
    if (length == 1 && (tail[0] == 0x01 || tail[0] == 0x37)) return 1;
  }
  return 0;
}

}  // namespace

void HostStream::flushPrintData(std::size_t count, std::vector<HostItem>& out) {
  if (count == 0) return;
  HostItem item;
  item.isPrintData = true;
  item.printData.assign(unclaimed_.begin(), unclaimed_.begin() + static_cast<long>(count));
  out.push_back(std::move(item));
  unclaimed_.erase(unclaimed_.begin(), unclaimed_.begin() + static_cast<long>(count));
}

std::vector<HostItem> HostStream::feed(std::span<const std::uint8_t> bytes) {
  std::vector<HostItem> out;
  // Byte by byte, so that each message's end tells which bytes before it were print data.
  for (const std::uint8_t byte : bytes) {
    unclaimed_.push_back(byte);
    for (Message& message : framer_.feed({&byte, 1})) {
      flushPrintData(unclaimed_.size() - std::min(unclaimed_.size(), message.bytes.size()), out);
      // Printers take requests only; text that happens to look like a report gets printed.
      if (message.kind == MessageKind::AuxReport) {
        flushPrintData(unclaimed_.size(), out);
      } else {
        unclaimed_.clear();
        out.push_back({false, std::move(message), {}});
      }
    }
  }
  if (!framer_.gathering()) flushPrintData(unclaimed_.size() - heldStartLength(unclaimed_), out);
  return out;
}

}  // namespace z3mq
