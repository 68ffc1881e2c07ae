#include "gui/qt_ui_thread.h"

#include <QThread>
#include <algorithm>

namespace z3mq {

QtUiThread::QtUiThread() = default;

QtUiThread::~QtUiThread() {
  setAccepting(false);
}

bool QtUiThread::runAndWait(std::function<void()> task) {
  if (QThread::currentThread() == context_.thread()) {
    {
      std::lock_guard lock{mutex_};
      if (!accepting_) return false;
    }
    runTask(task);
    return true;
  }
  std::unique_lock lock{mutex_};
  if (!accepting_) return false;
  auto posted = std::make_shared<Task>(Task{std::move(task)});
  queued_.push_back(posted);
  QMetaObject::invokeMethod(
      &context_, [this, posted] { runPosted(posted); }, Qt::QueuedConnection);
  changed_.wait(lock, [&] {
    return posted->state == Task::State::Done || posted->state == Task::State::Dropped;
  });
  return posted->state == Task::State::Done;
}

void QtUiThread::runPosted(const std::shared_ptr<Task>& task) {
  {
    std::lock_guard lock{mutex_};
    if (task->state != Task::State::Queued) return;
    task->state = Task::State::Running;
    std::erase(queued_, task);
  }
  // The waiting worker is released however the task ends.
  struct Finish {
    QtUiThread& owner;
    Task& task;
    ~Finish() {
      std::lock_guard lock{owner.mutex_};
      task.state = Task::State::Done;
      owner.changed_.notify_all();
    }
  } finish{*this, *task};
  runTask(task->run);
}

void QtUiThread::runTask(const std::function<void()>& task) {
  struct Depth {
    QtUiThread& owner;
    explicit Depth(QtUiThread& o) : owner(o) { ++owner.running_; }
    ~Depth() {
      if (--owner.running_ > 0 || owner.deferred_.empty()) return;
      // Posted rather than run here: the finished task's caller still has its say first.
      for (auto& action : std::exchange(owner.deferred_, {})) {
        QMetaObject::invokeMethod(
            &owner.context_,
            [&owner = owner, action = std::move(action)] { owner.whenNoTaskRuns(action); },
            Qt::QueuedConnection);
      }
    }
  } depth{*this};
  task();
}

void QtUiThread::whenNoTaskRuns(std::function<void()> action) {
  if (running_ == 0) {
    action();
  } else {
    deferred_.push_back(std::move(action));
  }
}

void QtUiThread::setAccepting(bool accepting) {
  std::lock_guard lock{mutex_};
  accepting_ = accepting;
  if (accepting) return;
  for (const auto& task : queued_) task->state = Task::State::Dropped;
  queued_.clear();
  changed_.notify_all();
}

std::size_t QtUiThread::queuedTasks() const {
  std::lock_guard lock{mutex_};
  return queued_.size();
}

void QtUiThread::requestRepaint() {
  QMetaObject::invokeMethod(
      &context_,
      [this] {
        if (repaintTarget_) repaintTarget_->update();
      },
      Qt::QueuedConnection);
}

}  // namespace z3mq
