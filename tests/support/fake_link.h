#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "link/link.h"
#include "support/scripted_printer.h"

namespace z3mq {

// A link whose discovery finds the device the test attached, whose writes are recorded, and
// whose printer answers through a ScriptedPrinter. Answers wait until deliver() hands them to
// the message sink, as the receive worker would; deliver() may run on any thread.
class FakeLink : public Link {
 public:
  // The device discovery finds from now on (none at first), and the printer behind it.
  void attach(std::uint16_t vendorId, std::uint16_t productId, ScriptedPrinter* printer = nullptr);
  // Discovery finds nothing; the device path of the last attached device stays, as it would.
  void detach();

  int open() override;
  int close() override;
  bool portValid() const override;
  void write(std::span<const std::uint8_t> bytes) override;

  // A message the printer sends unasked.
  void receive(Message message);
  // Hands queued messages to the sink one by one, including those answered meanwhile, until
  // none is left (at most `bound` of them). Returns how many were handed over.
  std::size_t deliver(std::size_t bound = 100);

  std::vector<std::vector<std::uint8_t>> writes() const;
  void clearWrites();
  int openCount() const { return openCount_; }
  int closeCount() const { return closeCount_; }

 private:
  struct Device {
    std::uint16_t vendorId;
    std::uint16_t productId;
    ScriptedPrinter* printer;
  };

  std::optional<Device> device_;
  ScriptedPrinter* openPrinter_ = nullptr;
  mutable std::mutex mutex_;
  std::vector<std::vector<std::uint8_t>> writes_;
  std::deque<Message> pending_;
  int openCount_ = 0;
  int closeCount_ = 0;
};

}  // namespace z3mq
