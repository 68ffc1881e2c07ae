#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framed/codec/frame.h"
#include "link/stream_framer.h"
#include "sim/simulated_printer.h"

namespace z3mq::test {

// The bytes of several writes, as the host's link would read them.
inline std::vector<std::uint8_t> joined(const std::vector<SimWrite>& writes) {
  std::vector<std::uint8_t> bytes;
  for (const SimWrite& write : writes) bytes.insert(bytes.end(), write.begin(), write.end());
  return bytes;
}

// The messages the host's framer cuts out of the printer's writes.
inline std::vector<Message> messagesOf(const std::vector<SimWrite>& writes) {
  StreamFramer framer;
  std::vector<Message> messages;
  for (const SimWrite& write : writes) {
    for (Message& m : framer.feed(write)) messages.push_back(std::move(m));
  }
  return messages;
}

// Sends one framed request; the messages the printer answers with.
inline std::vector<Message> ask(SimulatedPrinter& printer, const FramedRequest& request) {
  return messagesOf(printer.feed(buildFrame(printer.linkKind(), request)));
}

}  // namespace z3mq::test
