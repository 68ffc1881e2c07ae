#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "sim/simulated_printer.h"

namespace z3mq {

// Serves a SimulatedPrinter on a file descriptor (a pseudo-terminal master, or any descriptor a
// test hands out) from a thread of its own: a poll loop reads what the host writes, feeds it to
// the printer and writes the answers, each write of the printer as one write call, at the time
// the printer's delays say. Nothing spins: the loop sleeps in poll until bytes arrive, an answer
// falls due or stop() wakes it through an eventfd.
class PtyPrinter {
 public:
  using EventObserver = std::function<void(const SimEvent&)>;

  // Takes ownership of `fd`; it is closed when serving stops, or when the printer vanishes (so
  // the other end sees the device go away). Closing a pseudo-terminal master throws away what
  // the host has not read yet, so with `peerFd`, a descriptor of the other end that is only
  // looked at, the close waits (a bounded while) until the host has read the last answers.
  // `onEvent` runs on the serving thread for every event of the printer, with the printer
  // locked: it must not call back in here.
  PtyPrinter(SimulatedPrinter printer, int fd, EventObserver onEvent = {}, int peerFd = -1);
  ~PtyPrinter();
  PtyPrinter(const PtyPrinter&) = delete;
  PtyPrinter& operator=(const PtyPrinter&) = delete;

  // Stops serving and joins the thread; safe to call more than once.
  void stop();

  // Runs `action` on the printer (to send a report, say); the writes it returns go out in order
  // with the answers.
  void act(const std::function<std::vector<SimWrite>(SimulatedPrinter&)>& action);

  // Looks at the printer (its events, its state) while the serving thread keeps off it.
  void inspect(const std::function<void(const SimulatedPrinter&)>& look) const;

 private:
  void run();
  void queueLocked(std::vector<SimWrite> writes);
  void flushLocked();
  void reportEventsLocked();
  // False when the other end has gone (end of file, or no slave open on a pseudo-terminal).
  bool readHost();
  void wake() const;
  bool hostHasReadAll() const;
  SimTime elapsed() const;

  mutable std::mutex mutex_;
  SimulatedPrinter printer_;
  EventObserver onEvent_;
  std::size_t eventsReported_ = 0;
  int fd_;
  int peerFd_;
  int wakeFd_;
  std::optional<std::chrono::steady_clock::time_point> vanishedAt_;
  std::deque<SimWrite> outbox_;
  std::size_t outboxOffset_ = 0;  // of the front write, already written
  bool stopping_ = false;
  const std::chrono::steady_clock::time_point start_;
  std::thread thread_;
};

}  // namespace z3mq
