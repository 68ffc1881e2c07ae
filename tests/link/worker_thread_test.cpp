#include "link/worker_thread.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace z3mq {
namespace {

using namespace std::chrono_literals;
constexpr auto kBound = 5s;

// A step that blocks until it is given a token or woken, as the receive worker blocks in poll.
// wake() can be made deaf to test what stop() does when a step overstays.
class GatedWorker final : public WorkerThread {
 public:
  explicit GatedWorker(std::chrono::milliseconds stopTimeout = 1001ms, Diagnostics diag = {},
                       int result = 0)
      : WorkerThread(stopTimeout, std::move(diag)), result_(result) {}
  ~GatedWorker() override { stop(); }

  void give(int tokens) {
    std::lock_guard lock(mutex_);
    tokens_ += tokens;
    changed_.notify_all();
  }
  void setDeaf(bool deaf) {
    std::lock_guard lock(mutex_);
    deaf_ = deaf;
  }
  bool waitForCalls(int calls) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kBound, [&] { return calls_ >= calls; });
  }
  bool waitForReturns(int returns) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kBound, [&] { return returns_ >= returns; });
  }
  int calls() {
    std::lock_guard lock(mutex_);
    return calls_;
  }
  int returns() {
    std::lock_guard lock(mutex_);
    return returns_;
  }

 protected:
  int step() override {
    std::unique_lock lock(mutex_);
    ++calls_;
    changed_.notify_all();
    changed_.wait(lock, [&] { return tokens_ > 0 || woken_; });
    if (tokens_ > 0) {
      --tokens_;
    } else {
      woken_ = false;
    }
    ++returns_;
    changed_.notify_all();
    return result_;
  }
  void wake() override {
    std::lock_guard lock(mutex_);
    if (deaf_) return;
    woken_ = true;
    changed_.notify_all();
  }

 private:
  const int result_;
  std::mutex mutex_;
  std::condition_variable changed_;
  int tokens_ = 0;
  int calls_ = 0;
  int returns_ = 0;
  bool woken_ = false;
  bool deaf_ = false;
};

TEST(WorkerEventNames, PrintWorkerNumberAndSecondsWithoutSeparator) {
  const std::array<std::string, 4> expected{"evExit_123661", "evHalt_123661", "evPulse_123661",
                                            "evSeries_123661"};
  EXPECT_EQ(workerEventNames(12, 3661), expected);
  // Unknown local time reads as -1 hours, minutes and seconds.
  EXPECT_EQ(workerEventNames(1, -3661)[0], "evExit_1-3661");
}

TEST(WorkerThread, WorkersCreatedTogetherHaveDifferentNames) {
  GatedWorker first;
  GatedWorker second;
  EXPECT_NE(first.eventNames()[0], second.eventNames()[0]);
  EXPECT_EQ(first.eventNames()[3].rfind("evSeries_", 0), 0u);
}

TEST(WorkerThread, StopWithoutStartReturnsOneAndRunsNothing) {
  GatedWorker worker;
  EXPECT_EQ(worker.stop(), 1);
  EXPECT_FALSE(worker.running());
  EXPECT_EQ(worker.calls(), 0);
}

TEST(WorkerThread, SeriesRepeatsTheStepUntilStopWakesIt) {
  std::vector<std::string> diagnostics;
  GatedWorker worker(1001ms, [&](std::string_view text) { diagnostics.emplace_back(text); });
  ASSERT_EQ(worker.start(), 1);
  EXPECT_EQ(worker.start(), 1);  // a second start starts no second thread
  worker.signal(WorkerThread::Event::Series);
  worker.give(3);
  ASSERT_TRUE(worker.waitForCalls(4));  // three steps took a token, the fourth waits
  EXPECT_EQ(worker.stop(), 1);
  EXPECT_FALSE(worker.running());
  EXPECT_EQ(worker.returns(), 4);
  EXPECT_TRUE(diagnostics.empty());
}

TEST(WorkerThread, NonzeroStepEndsTheSeriesAndTheThread) {
  GatedWorker worker(1001ms, {}, 1);
  ASSERT_EQ(worker.start(), 1);
  worker.signal(WorkerThread::Event::Series);
  worker.give(1);
  ASSERT_TRUE(worker.waitForReturns(1));
  EXPECT_EQ(worker.stop(), 1);
  EXPECT_EQ(worker.calls(), 1);
  // It can be started again after ending by itself.
  ASSERT_EQ(worker.start(), 1);
  worker.signal(WorkerThread::Event::Pulse);
  EXPECT_TRUE(worker.waitForCalls(2));
}

TEST(WorkerThread, ExitTakesPrecedenceOverAPendingSeries) {
  GatedWorker worker;
  ASSERT_EQ(worker.start(), 1);
  worker.signal(WorkerThread::Event::Pulse);
  ASSERT_TRUE(worker.waitForCalls(1));
  worker.signal(WorkerThread::Event::Series);
  worker.signal(WorkerThread::Event::Exit);
  worker.give(1);
  ASSERT_TRUE(worker.waitForReturns(1));
  worker.stop();
  EXPECT_EQ(worker.calls(), 1);
}

TEST(WorkerThread, HaltEndsTheSeriesButKeepsTheThreadForAPulse) {
  GatedWorker worker;
  ASSERT_EQ(worker.start(), 1);
  worker.signal(WorkerThread::Event::Series);
  ASSERT_TRUE(worker.waitForCalls(1));
  worker.halt();  // wakes the waiting step; the series is not resumed
  ASSERT_TRUE(worker.waitForReturns(1));
  EXPECT_TRUE(worker.running());
  worker.signal(WorkerThread::Event::Pulse);
  worker.give(1);
  ASSERT_TRUE(worker.waitForReturns(2));
  worker.stop();
  EXPECT_EQ(worker.calls(), 2);
}

TEST(WorkerThread, StopPastItsBoundReportsAndStillJoins) {
  std::vector<std::string> diagnostics;
  GatedWorker* self = nullptr;
  GatedWorker worker(20ms, [&](std::string_view text) {
    diagnostics.emplace_back(text);
    self->give(1);  // the overstaying step may finish now
  });
  self = &worker;
  worker.setDeaf(true);
  ASSERT_EQ(worker.start(), 1);
  worker.signal(WorkerThread::Event::Series);
  ASSERT_TRUE(worker.waitForCalls(1));
  EXPECT_EQ(worker.stop(), 1);
  EXPECT_EQ(worker.returns(), worker.calls());  // nothing runs after stop() returns
  EXPECT_FALSE(worker.running());
  ASSERT_EQ(diagnostics.size(), 1u);
  EXPECT_NE(diagnostics[0].find("did not stop within 20 ms"), std::string::npos);
}

}  // namespace
}  // namespace z3mq
