// Messages reach the main window from a receive worker: handled on the UI thread, in order, with
// the worker waiting; closing the link never waits for a worker that waits for the UI thread.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "app/main_window_controls.h"
#include "support/headless_shell.h"
#include "support/scripted_z3m_printer.h"

namespace z3mq {
namespace {

using namespace std::chrono_literals;
using namespace main_window;

class MessageHandoffTest : public testing::Test {
 protected:
  void SetUp() override {
    shell.link.attach(0x045B, 0x5311, &printer);
    shell.start();
    shell.runSearch();
  }
  // Serves the hand-off on this (the UI) thread until the worker has finished, within a bound.
  void serveUntil(const std::atomic<bool>& finished) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!finished && std::chrono::steady_clock::now() < deadline) shell.uiThread.runNext(10ms);
  }

  ScriptedZ3MPrinter printer;
  HeadlessShell shell;
};

TEST_F(MessageHandoffTest, WorkerMessagesAreHandledOnTheUiThreadInOrder) {
  std::atomic<bool> finished = false;
  std::thread worker([&] {
    shell.link.deliver();  // the identity, then the menu it asks for
    finished = true;
  });
  serveUntil(finished);
  worker.join();
  ASSERT_TRUE(finished);
  EXPECT_EQ(shell.dialog().text(kModelNameLabel), "Model Name: Z3M-80");
  EXPECT_EQ(shell.page(Page::MenuSwitch).selection(1182), 3);
  EXPECT_EQ(shell.uiThread.repaintRequests(), 2);
}

TEST_F(MessageHandoffTest, GoingOfflineReleasesAWorkerWaitingForTheUiThread) {
  shell.link.receive({MessageKind::Legacy, printer.informationResponse()});
  std::thread worker([&] { shell.link.deliver(); });
  ASSERT_TRUE(shell.uiThread.waitForPending(10s));
  shell.dialog().userClick(kSearchButton);  // Set Offline closes the link
  worker.join();
  EXPECT_EQ(shell.uiThread.repaintRequests(), 0);
  EXPECT_EQ(shell.dialog().text(kModelNameLabel), "Model Name:");
  EXPECT_FALSE(shell.window().search().identityReceived);
}

TEST_F(MessageHandoffTest, DestroyingTheWindowClosesTheLinkFirst) {
  ASSERT_EQ(shell.link.session().opened, 1);
  shell.app.reset();
  EXPECT_EQ(shell.link.session().opened, 0);
  EXPECT_EQ(shell.link.closeCount(), 1);
  shell.timers.advance(5s);  // no tick reaches the window that is gone
}

}  // namespace
}  // namespace z3mq
