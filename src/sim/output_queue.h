#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "sim/sim_options.h"

namespace z3mq {

using SimTime = std::chrono::milliseconds;
// The bytes of one write call on the link.
using SimWrite = std::vector<std::uint8_t>;

// Holds the messages a printer sends until they fall due on its clock, and shapes them into
// writes as the faults say: garbage in front of each message, everything due at one moment in
// one write, writes cut into pieces, silence after the last message before vanishing.
class OutputQueue {
 public:
  explicit OutputQueue(SimFaults faults)
      : faults_(std::move(faults)), vanished_(faults_.vanishAfter == 0) {}

  void schedule(std::vector<std::uint8_t> message, SimTime due);

  // The writes due at `now`, in order.
  std::vector<SimWrite> takeDue(SimTime now);

  std::optional<SimTime> nextDue() const;
  bool vanished() const { return vanished_; }

 private:
  struct Pending {
    SimTime due;
    std::vector<std::uint8_t> bytes;
  };

  void appendShaped(std::vector<std::uint8_t> write, std::vector<SimWrite>& out) const;

  SimFaults faults_;
  std::deque<Pending> pending_;  // by due time, then by order of scheduling
  std::size_t sent_ = 0;
  bool vanished_;
};

}  // namespace z3mq
