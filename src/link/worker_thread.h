#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "link/diagnostics.h"

namespace z3mq {

// The names of a worker's four events, for diagnostics: "evExit_%d%d", "evHalt_%d%d",
// "evPulse_%d%d", "evSeries_%d%d" with the worker number and the seconds since midnight.
std::array<std::string, 4> workerEventNames(int workerNumber, int secondsSinceMidnight);

// A worker thread driven by four events, Exit, Halt, Pulse and Series, taken in that order of
// precedence. Pulse runs step() once; Series runs it over and over until it returns nonzero or
// Exit or Halt arrives. A derived class's step() may block until it has work, provided wake()
// makes it return promptly: stop() and halt() call wake() so that a waiting step gives way.
class WorkerThread {
 public:
  enum class Event { Exit = 0, Halt = 1, Pulse = 2, Series = 3 };

  WorkerThread(std::chrono::milliseconds stopTimeout, Diagnostics diagnostics);
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;
  // A derived class must call stop() in its own destructor, while its step() is still callable.
  virtual ~WorkerThread();

  // Clears all events and begins the thread. Returns 1 when the worker runs after the call
  // (also when it already ran), 0 when no thread could be created.
  int start();

  // Signals Exit, clears the other events, wakes the step and waits for the thread to end. The
  // wait is bounded by stopTimeout; past it the lapse is reported and the thread is still joined,
  // never abandoned or cancelled, so nothing runs after stop() returns. Returns 1.
  int stop();

  // Ends a running series after the current step; the thread stays alive and idle.
  void halt();
  void signal(Event event);

  bool running() const;
  const std::array<std::string, 4>& eventNames() const { return names_; }

 protected:
  // One unit of work, on the worker thread. Nonzero ends the thread when run in a series.
  virtual int step() = 0;
  // Makes a blocked step() return; called from any thread.
  virtual void wake() = 0;

 private:
  void body();
  Event takeEvent();

  const std::chrono::milliseconds stopTimeout_;
  const Diagnostics diagnostics_;
  const std::array<std::string, 4> names_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::array<bool, 4> signalled_{};
  bool running_ = false;
  std::thread thread_;
};

}  // namespace z3mq
