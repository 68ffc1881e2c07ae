#pragma once

#include <functional>

namespace z3mq {

// The hand-off from the receive worker to the UI thread, with the semantics of a synchronous
// window message: handlers of received messages run on the UI thread, one at a time and in order,
// while the worker waits for each.
class UiThread {
 public:
  virtual ~UiThread() = default;

  // Runs task on the UI thread and returns true once it has run; called on the UI thread itself,
  // runs it at once. Returns false without running it while the hand-off is not accepting: a call
  // already waiting is released when accepting is switched off, a new one returns at once. A task
  // that has begun to run is always finished first.
  virtual bool runAndWait(std::function<void()> task) = 0;

  // Switched off by the thread that closes the link before it stops the worker, so that closing
  // never waits for a worker that waits for the UI thread; switched on again when the link opens.
  // Accepting from construction.
  virtual void setAccepting(bool accepting) = 0;

  // Asks for the main window to be repainted; called after each handled message, from any thread.
  virtual void requestRepaint() = 0;
};

}  // namespace z3mq
