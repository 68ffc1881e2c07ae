#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "ui/ui_thread.h"

namespace z3mq {

// The hand-off to the Qt UI thread (the thread that constructs it). A worker's task is posted to
// the UI thread's event loop and the worker waits until it has run. Nothing here blocks the UI
// thread: switching accepting off marks the tasks not yet begun as dropped, the posted function
// finds the mark and does nothing, and the waiting workers go on at once. So closing the link on
// the UI thread, which stops the worker, never waits for a task that the UI thread would have to
// run first.
class QtUiThread : public UiThread {
 public:
  QtUiThread();
  ~QtUiThread() override;

  bool runAndWait(std::function<void()> task) override;
  void setAccepting(bool accepting) override;
  void requestRepaint() override;

  // Tasks posted by workers that have not begun to run.
  std::size_t queuedTasks() const;

  // The window that repaint requests update.
  void setRepaintTarget(QWidget* target) { repaintTarget_ = target; }

  // Runs action on the UI thread now, or, while a task is running there (a handler that waits in
  // a message box serves events meanwhile), once that task has finished. Events that may close
  // the link go through this: closing inside a running task would wait for a worker that waits
  // for that very task. For the UI thread only.
  void whenNoTaskRuns(std::function<void()> action);

 private:
  struct Task {
    std::function<void()> run;
    enum class State { Queued, Running, Done, Dropped } state = State::Queued;
  };

  void runPosted(const std::shared_ptr<Task>& task);
  void runTask(const std::function<void()>& task);

  QObject context_;  // lives on the UI thread; posted functions die with it
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::shared_ptr<Task>> queued_;
  bool accepting_ = true;
  int running_ = 0;  // tasks running on the UI thread, nested ones included
  std::vector<std::function<void()>> deferred_;
  QPointer<QWidget> repaintTarget_;
};

}  // namespace z3mq
