#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "gui/qt_message_boxes.h"
#include "gui/qt_timers.h"
#include "gui/qt_ui_thread.h"

namespace z3mq {
namespace {

using namespace std::chrono_literals;

constexpr int kBoundMs = 5000;

// Accepts the next modal box once it is open, recording its text and whether the caller was
// still waiting in show() at that moment.
struct ModalDismisser {
  QStringList texts;
  void armOnce(const std::atomic<bool>* showReturned = nullptr) {
    QTimer::singleShot(0, [this, showReturned] { dismissWhenOpen(showReturned); });
  }
  void dismissWhenOpen(const std::atomic<bool>* showReturned) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      QTimer::singleShot(1, [this, showReturned] { dismissWhenOpen(showReturned); });
      return;
    }
    texts << box->text();
    callerWaited = showReturned == nullptr || !showReturned->load();
    modality = box->windowModality();
    box->button(QMessageBox::Ok)->click();
  }
  bool callerWaited = false;
  Qt::WindowModality modality = Qt::NonModal;
};

TEST(QtMessageBoxes, ShowIsModalAndReturnsOnceDismissed) {
  QWidget window;
  window.show();
  QtMessageBoxes boxes(&window);
  ModalDismisser dismisser;
  std::atomic<bool> returned{false};
  dismisser.armOnce(&returned);
  boxes.show("Please check the number of characters in the PIN code");
  returned = true;
  EXPECT_EQ(dismisser.texts, QStringList{"Please check the number of characters in the PIN code"});
  EXPECT_TRUE(dismisser.callerWaited);
  EXPECT_EQ(dismisser.modality, Qt::ApplicationModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(QtMessageBoxes, KoreanTextIsShownAsGiven) {
  QtMessageBoxes boxes;
  ModalDismisser dismisser;
  dismisser.armOnce();
  boxes.show("정수를 입력하십시오.");
  EXPECT_EQ(dismisser.texts, QStringList{QStringLiteral("정수를 입력하십시오.")});
}

TEST(QtTimers, TicksCarryTheirIdUntilStopped) {
  QtTimers timers;
  std::vector<int> ticks;
  timers.setTickHandler([&](int id) {
    ticks.push_back(id);
    if (id == 2) timers.stop(2);
  });
  timers.start(2, 1ms);
  timers.start(1, 5ms);
  EXPECT_TRUE(timers.isRunning(1));
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return std::count(ticks.begin(), ticks.end(), 1) >= 2; }, kBoundMs));
  EXPECT_EQ(std::count(ticks.begin(), ticks.end(), 2), 1);
  EXPECT_FALSE(timers.isRunning(2));
  EXPECT_TRUE(timers.isRunning(1));
  timers.stop(1);
  timers.stop(7);  // never started
  EXPECT_FALSE(timers.isRunning(1));
  EXPECT_FALSE(timers.isRunning(7));
}

TEST(QtTimers, StartingARunningTimerTakesTheNewPeriod) {
  QtTimers timers;
  int ticks = 0;
  timers.setTickHandler([&](int) { ++ticks; });
  timers.start(1, std::chrono::hours(1));
  timers.start(1, 1ms);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, kBoundMs));
}

// The UI thread here is the test's main thread; a std::thread plays the receive worker.
TEST(QtUiThread, AWorkersTaskRunsOnTheUiThreadWhileTheWorkerWaits) {
  QtUiThread ui;
  std::atomic<bool> ranOnUi{false};
  std::atomic<bool> workerDone{false};
  std::thread worker([&] {
    const bool ran = ui.runAndWait([&] { ranOnUi = QThread::currentThread() == qApp->thread(); });
    // The task has finished when runAndWait returns.
    EXPECT_TRUE(ran);
    EXPECT_TRUE(ranOnUi);
    workerDone = true;
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return workerDone.load(); }, kBoundMs));
  worker.join();
}

TEST(QtUiThread, TasksRunOneAtATimeInOrder) {
  QtUiThread ui;
  std::vector<int> order;
  std::thread worker([&] {
    for (int i = 0; i < 5; ++i) ui.runAndWait([&order, i] { order.push_back(i); });
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() == 5; }, kBoundMs));
  worker.join();
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(QtUiThread, ClosingReleasesAWaitingWorkerWithoutServingEvents) {
  QtUiThread ui;
  std::atomic<bool> ran{false};
  std::atomic<bool> result{true};
  std::thread worker([&] { result = ui.runAndWait([&] { ran = true; }); });
  // The UI thread serves no events: it switches the hand-off off and joins the worker, as closing
  // the link does. A blocking queued call would hang here.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBoundMs);
  while (ui.queuedTasks() == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::yield();
  }
  ASSERT_EQ(ui.queuedTasks(), 1u);
  ui.setAccepting(false);
  worker.join();
  EXPECT_FALSE(result);
  QApplication::processEvents();  // the posted function finds its task dropped
  EXPECT_FALSE(ran);
}

TEST(QtUiThread, NotAcceptingRefusesAtOnceAndAcceptingAgainWorks) {
  QtUiThread ui;
  ui.setAccepting(false);
  bool ran = false;
  std::thread([&] { EXPECT_FALSE(ui.runAndWait([&] { ran = true; })); }).join();
  EXPECT_FALSE(ui.runAndWait([&] { ran = true; }));
  EXPECT_FALSE(ran);
  ui.setAccepting(true);
  EXPECT_TRUE(ui.runAndWait([&] { ran = true; }));
  EXPECT_TRUE(ran);
}

TEST(QtUiThread, AnActionWaitsForTheTaskThatServesEventsInAMessageBox) {
  QtUiThread ui;
  std::vector<std::string> events;
  std::atomic<bool> workerDone{false};
  std::thread worker([&] {
    ui.runAndWait([&] {
      events.push_back("handler opens a box");
      QEventLoop box;  // a modal box's loop
      QTimer::singleShot(0, [&] {
        // A device removal arrives while the box is open.
        ui.whenNoTaskRuns([&] { events.push_back("device removed"); });
        events.push_back("removal deferred");
        box.quit();
      });
      box.exec();
      events.push_back("handler done");
    });
    workerDone = true;
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return events.size() == 4; }, kBoundMs));
  worker.join();
  EXPECT_EQ(events, (std::vector<std::string>{"handler opens a box", "removal deferred",
                                              "handler done", "device removed"}));
}

TEST(QtUiThread, AnActionRunsAtOnceWhenNoTaskRuns) {
  QtUiThread ui;
  bool ran = false;
  ui.whenNoTaskRuns([&] { ran = true; });
  EXPECT_TRUE(ran);
}

TEST(QtUiThread, RepaintRequestsFromAWorkerUpdateTheWindow) {
  struct Counting : QWidget {
    int paints = 0;
    void paintEvent(QPaintEvent*) override { ++paints; }
  } window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, kBoundMs));
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.paints > 0; }, kBoundMs));
  const int before = window.paints;
  QtUiThread ui;
  ui.setRepaintTarget(&window);
  std::thread([&] { ui.requestRepaint(); }).join();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.paints > before; }, kBoundMs));
}

}  // namespace
}  // namespace z3mq
