#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/stream_framer.h"

namespace z3mq {

// What the host wrote, in order: a request (a frame or a legacy packet, as the framer cuts it
// out) or print data (every other byte, such as the ASCII test line).
struct HostItem {
  bool isPrintData = false;
  Message request{MessageKind::Legacy, {}};  // when !isPrintData
  std::vector<std::uint8_t> printData;       // when isPrintData
};

class HostStream {
 public:
  std::vector<HostItem> feed(std::span<const std::uint8_t> bytes);

 private:
  void flushPrintData(std::size_t count, std::vector<HostItem>& out);

  StreamFramer framer_;
  // Bytes since the last message: print data, a message being gathered, or the start of one.
  std::vector<std::uint8_t> unclaimed_;
};

}  // namespace z3mq
