#pragma once

#include <cstdint>
#include <span>

#include "link/message.h"
#include "link/session.h"

namespace z3mq {

// The byte channel to the printer, as the application sees it. The Linux implementation sits in
// link/linux; tests use a fake.
class Link {
 public:
  virtual ~Link() = default;

  // Runs discovery (which records the last matching path tried in session().devicePath),
  // classifies the path into family and link kind, opens the device exclusively and starts
  // receiving. Returns 1 when the channel is open, 0 when it cannot be opened. Called only while
  // closed.
  virtual int open() = 0;

  // Stops receiving and closes the device. Returns 1 when the channel was not open (nothing is
  // done) and 0 after closing it.
  virtual int close() = 0;

  // Whether a device handle is held; writers skip their write while it is not.
  virtual bool portValid() const = 0;

  // One write call with the whole request; skipped while the port is invalid. The result is not
  // examined by callers.
  virtual void write(std::span<const std::uint8_t> bytes) = 0;

  PrinterSession& session() { return session_; }
  const PrinterSession& session() const { return session_; }

  // Where complete received messages go; set before open().
  void setMessageSink(MessageSink* sink) { sink_ = sink; }

 protected:
  MessageSink* sink() const { return sink_; }

 private:
  PrinterSession session_;
  MessageSink* sink_ = nullptr;
};

// Writes a request that expects an answer: the write (skipped while the port is invalid), then
// responsePending, which is set even when nothing was written.
inline void sendExpectingAnswer(Link& link, std::span<const std::uint8_t> bytes) {
  link.write(bytes);
  link.session().responsePending = 1;
}

}  // namespace z3mq
