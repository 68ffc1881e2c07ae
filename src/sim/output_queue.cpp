#include "sim/output_queue.h"

#include <algorithm>

namespace z3mq {

void OutputQueue::schedule(std::vector<std::uint8_t> message, SimTime due) {
  if (vanished_) return;
  std::vector<std::uint8_t> bytes = faults_.garbage;
  bytes.insert(bytes.end(), message.begin(), message.end());
  const auto after = std::upper_bound(pending_.begin(), pending_.end(), due,
                                      [](SimTime t, const Pending& p) { return t < p.due; });
  pending_.insert(after, Pending{due, std::move(bytes)});
}

void OutputQueue::appendShaped(std::vector<std::uint8_t> write, std::vector<SimWrite>& out) const {
  if (faults_.splitSize == 0 || write.size() <= faults_.splitSize) {
    out.push_back(std::move(write));
    return;
  }
  for (std::size_t at = 0; at < write.size(); at += faults_.splitSize) {
    const auto end =
        write.begin() + static_cast<long>(std::min(write.size(), at + faults_.splitSize));
    out.emplace_back(write.begin() + static_cast<long>(at), end);
  }
}

std::vector<SimWrite> OutputQueue::takeDue(SimTime now) {
  std::vector<std::vector<std::uint8_t>> due;
  while (!vanished_ && !pending_.empty() && pending_.front().due <= now) {
    due.push_back(std::move(pending_.front().bytes));
    pending_.pop_front();
    if (faults_.vanishAfter && ++sent_ >= *faults_.vanishAfter) {
      vanished_ = true;
      pending_.clear();
    }
  }
  std::vector<SimWrite> out;
  if (faults_.coalesce && !due.empty()) {
    std::vector<std::uint8_t> joined;
    for (const auto& message : due) joined.insert(joined.end(), message.begin(), message.end());
    appendShaped(std::move(joined), out);
  } else {
    for (auto& message : due) appendShaped(std::move(message), out);
  }
  return out;
}

std::optional<SimTime> OutputQueue::nextDue() const {
  if (vanished_ || pending_.empty()) return std::nullopt;
  return pending_.front().due;
}

}  // namespace z3mq
