#include "ui/headless/queued_ui_thread.h"

namespace z3mq {

bool QueuedUiThread::runAndWait(std::function<void()> task) {
  if (std::this_thread::get_id() == owner_) {
    {
      std::lock_guard lock{mutex_};
      if (!accepting_) return false;
    }
    task();
    return true;
  }
  std::unique_lock lock{mutex_};
  if (!accepting_) return false;
  auto queued = std::make_shared<Task>(Task{std::move(task)});
  queue_.push_back(queued);
  changed_.notify_all();
  changed_.wait(lock, [&] {
    return queued->state == Task::State::Done || queued->state == Task::State::Dropped;
  });
  return queued->state == Task::State::Done;
}

void QueuedUiThread::setAccepting(bool accepting) {
  std::lock_guard lock{mutex_};
  accepting_ = accepting;
  if (accepting) return;
  // Tasks not yet begun are released unrun; one that is running finishes as usual.
  for (const auto& task : queue_) task->state = Task::State::Dropped;
  queue_.clear();
  changed_.notify_all();
}

bool QueuedUiThread::waitForPending(std::chrono::milliseconds bound) {
  std::unique_lock lock{mutex_};
  return changed_.wait_for(lock, bound, [&] { return !queue_.empty(); });
}

bool QueuedUiThread::runNext(std::chrono::milliseconds bound) {
  std::unique_lock lock{mutex_};
  if (!changed_.wait_for(lock, bound, [&] { return !queue_.empty(); })) return false;
  runTask(lock);
  return true;
}

std::size_t QueuedUiThread::runPending() {
  std::unique_lock lock{mutex_};
  std::size_t count = 0;
  for (std::size_t queued = queue_.size(); count < queued && !queue_.empty(); ++count) {
    runTask(lock);
  }
  return count;
}

void QueuedUiThread::runTask(std::unique_lock<std::mutex>& lock) {
  const std::shared_ptr<Task> task = queue_.front();
  queue_.pop_front();
  task->state = Task::State::Running;
  // The waiting worker is released even when the task throws (a test's failed check).
  struct Finish {
    std::unique_lock<std::mutex>& lock;
    Task& task;
    std::condition_variable& changed;
    ~Finish() {
      lock.lock();
      task.state = Task::State::Done;
      changed.notify_all();
    }
  } finish{lock, *task, changed_};
  lock.unlock();
  task->run();
}

}  // namespace z3mq
