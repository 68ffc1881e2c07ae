#include "link/worker_thread.h"

#include <atomic>
#include <cstdio>
#include <ctime>
#include <system_error>

namespace z3mq {
namespace {

std::atomic<int> workersNamed{0};

// Local time of day in seconds; each part reads as -1 when the local time is unknown.
int secondsSinceMidnight() {
  static std::mutex localtimeMutex;  // std::localtime shares one result buffer
  const std::time_t now = std::time(nullptr);
  std::lock_guard lock(localtimeMutex);
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) return -1 * 3600 + -1 * 60 + -1;
  return local->tm_hour * 3600 + local->tm_min * 60 + local->tm_sec;
}

}  // namespace

std::array<std::string, 4> workerEventNames(int workerNumber, int secondsSinceMidnight) {
  const auto name = [&](const char* format) {
    char text[48];
    std::snprintf(text, sizeof text, format, workerNumber, secondsSinceMidnight);
    return std::string(text);
  };
  return {name("evExit_%d%d"), name("evHalt_%d%d"), name("evPulse_%d%d"), name("evSeries_%d%d")};
}

WorkerThread::WorkerThread(std::chrono::milliseconds stopTimeout, Diagnostics diagnostics)
    : stopTimeout_(stopTimeout),
      diagnostics_(std::move(diagnostics)),
      names_(workerEventNames(++workersNamed, secondsSinceMidnight())) {}

WorkerThread::~WorkerThread() {
  stop();
}

int WorkerThread::start() {
  std::lock_guard lock(mutex_);
  signalled_ = {};
  if (running_) return 1;
  if (thread_.joinable()) thread_.join();  // ended by its own Exit; it no longer needs the lock
  running_ = true;
  try {
    thread_ = std::thread([this] { body(); });
  } catch (const std::system_error&) {
    running_ = false;
    return 0;
  }
  return 1;
}

int WorkerThread::stop() {
  std::unique_lock lock(mutex_);
  if (!thread_.joinable()) return 1;
  signalled_ = {};
  signalled_[static_cast<int>(Event::Exit)] = true;
  changed_.notify_all();
  lock.unlock();
  wake();

  lock.lock();
  const bool ended = changed_.wait_for(lock, stopTimeout_, [this] { return !running_; });
  lock.unlock();
  if (!ended && diagnostics_) {
    diagnostics_("receive worker " + names_[0] + " did not stop within " +
                 std::to_string(stopTimeout_.count()) + " ms; waiting for it");
  }
  thread_.join();
  return 1;
}

void WorkerThread::halt() {
  signal(Event::Halt);
  wake();
}

void WorkerThread::signal(Event event) {
  std::lock_guard lock(mutex_);
  signalled_[static_cast<int>(event)] = true;
  changed_.notify_all();
}

bool WorkerThread::running() const {
  std::lock_guard lock(mutex_);
  return running_;
}

WorkerThread::Event WorkerThread::takeEvent() {
  std::unique_lock lock(mutex_);
  int taken = -1;
  changed_.wait(lock, [&] {
    for (int i = 0; i < static_cast<int>(signalled_.size()); ++i) {
      if (signalled_[i]) {
        taken = i;
        return true;
      }
    }
    return false;
  });
  signalled_[taken] = false;
  return static_cast<Event>(taken);
}

void WorkerThread::body() {
  for (;;) {
    switch (takeEvent()) {
      case Event::Exit: {
        std::lock_guard lock(mutex_);
        running_ = false;
        changed_.notify_all();
        return;
      }
      case Event::Halt: {
        std::lock_guard lock(mutex_);
        signalled_[static_cast<int>(Event::Series)] = false;
        break;
      }
      case Event::Pulse:
        step();
        break;
      case Event::Series:
        signal(step() != 0 ? Event::Exit : Event::Series);
        break;
    }
  }
}

}  // namespace z3mq
