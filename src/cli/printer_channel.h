#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <span>

#include "link/link.h"
#include "link/message.h"

namespace z3mq {

class Trace;

using Deadline = std::chrono::steady_clock::time_point;

// The client's side of an open link: writes requests (traced) and hands the main thread the
// messages that the receive worker delivers, in order, with a bounded wait.
class PrinterChannel final : public MessageSink {
 public:
  // Becomes the link's message sink; set up before the link opens.
  explicit PrinterChannel(Link& link, Trace* trace = nullptr);
  PrinterChannel(const PrinterChannel&) = delete;
  PrinterChannel& operator=(const PrinterChannel&) = delete;

  Link& link() { return link_; }

  // One write of the whole request; an answer is then pending when expectsAnswer is set.
  void send(std::span<const std::uint8_t> bytes, bool expectsAnswer);

  // The next received message of this kind, or nullopt when none has come by the deadline.
  // Messages of other kinds received before it are passed over.
  std::optional<Message> next(MessageKind kind, Deadline deadline);

  // Auxiliary reports go here, on the receive worker, instead of being queued.
  void setAuxReportHandler(std::function<void(const Message&)> handler);

  void onMessage(const Message& message) override;

 private:
  Link& link_;
  Trace* const trace_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<Message> received_;
  std::function<void(const Message&)> auxReportHandler_;
};

}  // namespace z3mq
