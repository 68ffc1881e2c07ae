#include "ui/headless/queued_ui_thread.h"

#include <gtest/gtest.h>

#include <future>
#include <stdexcept>
#include <thread>

namespace z3mq {
namespace {

using std::chrono::seconds;

constexpr std::chrono::milliseconds kBound{seconds{10}};

// The test thread is the UI thread; a worker hands a task over the way the receive worker does.
class QueuedUiThreadTest : public testing::Test {
 protected:
  ~QueuedUiThreadTest() override {
    ui.setAccepting(false);  // never leave a worker waiting behind a failed check
    if (worker.valid()) worker.wait();
  }

  void handOver(std::function<void()> task) {
    worker = std::async(std::launch::async, [this, task = std::move(task)] {
      const bool result = ui.runAndWait(task);
      ranWhenWorkerWentOn = ran;
      ui.requestRepaint();
      return result;
    });
  }

  // The worker's result, once it has returned within the bound.
  bool workerResult() {
    EXPECT_EQ(worker.wait_for(kBound), std::future_status::ready) << "worker still waiting";
    ui.setAccepting(false);
    return worker.get();
  }

  QueuedUiThread ui;
  std::future<bool> worker;
  bool ran = false;                  // written by tasks, which run on the test thread
  bool ranWhenWorkerWentOn = false;  // written by the worker
};

TEST_F(QueuedUiThreadTest, WorkerTaskRunsOnTheUiThreadAndTheWorkerGoesOnAfterIt) {
  std::thread::id ranOn;
  handOver([&] {
    ranOn = std::this_thread::get_id();
    ran = true;
  });
  ASSERT_TRUE(ui.runNext(kBound));
  EXPECT_TRUE(workerResult());
  EXPECT_EQ(ranOn, std::this_thread::get_id());
  EXPECT_TRUE(ranWhenWorkerWentOn);
  EXPECT_EQ(ui.repaintRequests(), 1);
}

TEST_F(QueuedUiThreadTest, SwitchingAcceptingOffReleasesAWaitingWorkerWithoutRunningItsTask) {
  handOver([&] { ran = true; });
  ASSERT_TRUE(ui.waitForPending(kBound));
  ui.setAccepting(false);
  EXPECT_FALSE(workerResult());
  EXPECT_EQ(ui.runPending(), 0u);
  EXPECT_FALSE(ran);
}

TEST_F(QueuedUiThreadTest, NotAcceptingRefusesAtOnceUntilSwitchedOnAgain) {
  ui.setAccepting(false);
  handOver([&] { ran = true; });
  EXPECT_FALSE(workerResult());
  EXPECT_FALSE(ui.runAndWait([&] { ran = true; }));
  EXPECT_FALSE(ran);

  ui.setAccepting(true);
  handOver([&] { ran = true; });
  ASSERT_TRUE(ui.runNext(kBound));
  EXPECT_TRUE(workerResult());
  EXPECT_TRUE(ran);
}

TEST_F(QueuedUiThreadTest, TheUiThreadsOwnCallRunsInline) {
  EXPECT_TRUE(ui.runAndWait([&] { ran = true; }));
  EXPECT_TRUE(ran);
  EXPECT_EQ(ui.runPending(), 0u);
}

TEST_F(QueuedUiThreadTest, ATaskThatClosesTheHandOffStillFinishesForItsWorker) {
  handOver([&] {
    ui.setAccepting(false);
    ran = true;
  });
  ASSERT_TRUE(ui.runNext(kBound));
  EXPECT_TRUE(workerResult());
  EXPECT_TRUE(ran);
}

TEST_F(QueuedUiThreadTest, ATaskThatThrowsStillReleasesItsWorker) {
  handOver([] { throw std::runtime_error("failed check"); });
  EXPECT_THROW(ui.runNext(kBound), std::runtime_error);
  EXPECT_TRUE(workerResult());
}

TEST_F(QueuedUiThreadTest, RunNextGivesUpAfterItsBoundWhenNothingCame) {
  EXPECT_FALSE(ui.runNext(std::chrono::milliseconds{1}));
}

}  // namespace
}  // namespace z3mq
