#pragma once

#include <cstdint>
#include <vector>

namespace z3mq {

// The three kinds of message a printer sends, told apart by their first bytes.
enum class MessageKind {
  Legacy,     // 01 02 ... 03 04
  Framed,     // 1B 1B 45 02 ...
  AuxReport,  // 37 59 ... 00
};

// One complete message as the stream framer delivers it, from its first byte to its last.
struct Message {
  MessageKind kind;
  std::vector<std::uint8_t> bytes;
};

// Receives complete messages. The receive worker calls it on its own thread; the application's
// implementation carries each message over to the UI thread and waits for its handler.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void onMessage(const Message& message) = 0;

  // Link::open() calls setAccepting(true) before it starts receiving; Link::close() calls
  // setAccepting(false) on the closing thread before it stops the worker. While not accepting,
  // onMessage must return without waiting for another thread, so that closing never deadlocks
  // with a hand-off that waits for the thread that is closing.
  virtual void setAccepting(bool accepting) { (void)accepting; }
};

}  // namespace z3mq
