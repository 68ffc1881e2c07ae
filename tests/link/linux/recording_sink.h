#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "link/message.h"

namespace z3mq::testing {

inline constexpr std::chrono::seconds kBound{5};

// Records what the receive worker delivers. A holding sink behaves like the application's
// hand-off to a busy UI thread: it keeps the worker inside onMessage until the link stops
// accepting.
class RecordingSink : public MessageSink {
 public:
  explicit RecordingSink(bool holdUntilClosed = false) : hold_(holdUntilClosed) {}

  void onMessage(const Message& message) override {
    std::unique_lock lock(mutex_);
    messages_.push_back(message);
    changed_.notify_all();
    if (hold_) changed_.wait(lock, [&] { return !accepting_; });
  }
  void setAccepting(bool accepting) override {
    std::lock_guard lock(mutex_);
    accepting_ = accepting;
    changed_.notify_all();
  }

  bool waitForMessages(std::size_t count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kBound, [&] { return messages_.size() >= count; });
  }
  std::vector<Message> messages() {
    std::lock_guard lock(mutex_);
    return messages_;
  }

 private:
  const bool hold_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Message> messages_;
  bool accepting_ = false;
};

}  // namespace z3mq::testing
