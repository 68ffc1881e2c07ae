#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/message.h"

namespace z3mq {

// Turns the bytes of successive reads into complete messages of the three kinds. Pure: no I/O,
// no threads. Every complete message is delivered exactly once and in order, whether it is split
// over reads or several arrive in one read; garbage between messages is skipped; a message that
// would grow past kCapacity bytes is dropped without writing past the buffer.
class StreamFramer {
 public:
  static constexpr std::size_t kCapacity = 13000;

  // Feeds the bytes of one read; returns the messages they complete, in order.
  std::vector<Message> feed(std::span<const std::uint8_t> bytes);

  // Forgets a message being gathered (the channel calls this on every open).
  void reset();

  // Whether a message is being gathered.
  bool gathering() const;
};

}  // namespace z3mq
