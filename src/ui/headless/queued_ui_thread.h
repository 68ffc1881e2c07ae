#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "ui/ui_thread.h"

namespace z3mq {

// The hand-off for tests: the thread that constructs it plays the UI thread. Other threads' tasks
// wait in a queue until that thread runs them (runNext, runPending); its own run inline.
// Destroy it only after every worker that uses it has stopped.
class QueuedUiThread : public UiThread {
 public:
  QueuedUiThread() = default;
  ~QueuedUiThread() override { setAccepting(false); }

  bool runAndWait(std::function<void()> task) override;
  void setAccepting(bool accepting) override;
  void requestRepaint() override { repaints_.fetch_add(1, std::memory_order_relaxed); }

  // UI thread side. Waits up to bound for a task to be queued; false when none came.
  bool waitForPending(std::chrono::milliseconds bound);
  // Runs the next queued task, waiting up to bound for one; false when none came.
  bool runNext(std::chrono::milliseconds bound);
  // Runs the tasks queued now, without waiting; returns how many ran.
  std::size_t runPending();

  int repaintRequests() const { return repaints_.load(std::memory_order_relaxed); }

 private:
  struct Task {
    std::function<void()> run;
    enum class State { Queued, Running, Done, Dropped } state = State::Queued;
  };

  void runTask(std::unique_lock<std::mutex>& lock);

  const std::thread::id owner_ = std::this_thread::get_id();
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::shared_ptr<Task>> queue_;
  bool accepting_ = true;
  std::atomic<int> repaints_{0};
};

}  // namespace z3mq
