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
//
// The framer works byte by byte, so where the reads are cut never changes what comes out.
// While idle it looks for a start anywhere in the bytes, also one split across reads:
//   legacy packet     01 02
//   auxiliary report  37 59
//   framed answer     1B 1B 45 02, then 01 or 02 (any other byte 3 or 4: not a start, and the
//                     search goes on from the second of those bytes)
// Once a message has started, bytes that look like a start are part of it. It is complete:
//   framed answer     at exactly 13 + byte 7 + 256 * byte 8 bytes (bytes 9 and 10 of the length
//                     are not looked at; a length that cannot fit drops the answer at once);
//   auxiliary report  at the first 00 after 37 59;
//   legacy packet     at N + 7 bytes (N from bytes 2-3, little-endian) when those end with 03 04,
//                     so 03 04 inside the body (a menu switch block, say) does not cut it short.
//                     When they do not end with 03 04, or N + 7 would not fit, N is not trusted
//                     and the packet completes at the first 03 04 after that point; so a packet
//                     whose N is too small still gets through. One whose N is too large waits
//                     for N + 7 bytes before the trailer counts.
// A message that would grow past kCapacity is dropped, and the search for a start goes on with
// the byte that did not fit.
class StreamFramer {
 public:
  static constexpr std::size_t kCapacity = 13000;

  // Feeds the bytes of one read; returns the messages they complete, in order.
  std::vector<Message> feed(std::span<const std::uint8_t> bytes);

  // Forgets a message being gathered (the channel calls this on every open).
  void reset();

  // Whether a message is being gathered (a start cut short by the end of a read is not one yet).
  bool gathering() const;

 private:
  void seek(std::uint8_t byte);
  void gather(std::uint8_t byte, std::vector<Message>& out);
  bool complete() const;
  bool legacyComplete() const;
  bool endsWithTrailer() const;

  // While gathering: the message so far. While idle: the bytes that may yet become a start.
  std::vector<std::uint8_t> bytes_;
  MessageKind kind_ = MessageKind::Legacy;
  bool gathering_ = false;
};

}  // namespace z3mq
