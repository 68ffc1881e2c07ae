#include "sim/pty_printer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <system_error>

namespace z3mq {

namespace {

// While nobody holds the other end of a pseudo-terminal, its master reports a hang-up at once
// on every poll; the loop then looks again after this long instead of spinning.
constexpr int kHungUpRetryMs = 50;
constexpr std::size_t kReadSize = 4096;
// A vanishing printer closes its end once the host has read its last answers: bytes written to
// a master reach the other end a moment later, so it looks only after kDrainSettle, then every
// kDrainCheckMs, and closes after kDrainLimit whatever is left.
constexpr auto kDrainSettle = std::chrono::milliseconds(50);
constexpr int kDrainCheckMs = 5;
constexpr auto kDrainLimit = std::chrono::seconds(1);

int makeEventFd() {
  const int fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (fd < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
  return fd;
}

}  // namespace

PtyPrinter::PtyPrinter(SimulatedPrinter printer, int fd, EventObserver onEvent, int peerFd)
    : printer_(std::move(printer)),
      onEvent_(std::move(onEvent)),
      fd_(fd),
      peerFd_(peerFd),
      wakeFd_(makeEventFd()),
      start_(std::chrono::steady_clock::now()) {
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
  thread_ = std::thread([this] { run(); });
}

PtyPrinter::~PtyPrinter() {
  stop();
  ::close(wakeFd_);
}

void PtyPrinter::stop() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake();
  if (thread_.joinable()) thread_.join();
}

void PtyPrinter::wake() const {
  const std::uint64_t one = 1;
  [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
}

bool PtyPrinter::hostHasReadAll() const {
  int unread = 0;
  return peerFd_ < 0 || ::ioctl(peerFd_, FIONREAD, &unread) != 0 || unread == 0;
}

SimTime PtyPrinter::elapsed() const {
  return std::chrono::duration_cast<SimTime>(std::chrono::steady_clock::now() - start_);
}

void PtyPrinter::act(const std::function<std::vector<SimWrite>(SimulatedPrinter&)>& action) {
  {
    const std::lock_guard lock(mutex_);
    queueLocked(action(printer_));
    reportEventsLocked();
  }
  wake();
}

void PtyPrinter::inspect(const std::function<void(const SimulatedPrinter&)>& look) const {
  const std::lock_guard lock(mutex_);
  look(printer_);
}

void PtyPrinter::queueLocked(std::vector<SimWrite> writes) {
  for (SimWrite& write : writes) {
    if (!write.empty()) outbox_.push_back(std::move(write));
  }
}

void PtyPrinter::reportEventsLocked() {
  const auto& events = printer_.events();
  for (; eventsReported_ < events.size(); ++eventsReported_) {
    if (onEvent_) onEvent_(events[eventsReported_]);
  }
}

// Writes what the descriptor takes now; the rest waits for it to become writable.
void PtyPrinter::flushLocked() {
  while (fd_ >= 0 && !outbox_.empty()) {
    const SimWrite& front = outbox_.front();
    const ::ssize_t n = ::write(fd_, front.data() + outboxOffset_, front.size() - outboxOffset_);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno != EAGAIN) outbox_.clear();  // nobody there to read it
      return;
    }
    outboxOffset_ += static_cast<std::size_t>(n);
    if (outboxOffset_ == front.size()) {
      outbox_.pop_front();
      outboxOffset_ = 0;
    }
  }
}

bool PtyPrinter::readHost() {
  std::uint8_t buffer[kReadSize];
  const ::ssize_t n = ::read(fd_, buffer, sizeof buffer);
  if (n < 0) return errno == EAGAIN || errno == EINTR;
  if (n == 0) return false;
  const std::lock_guard lock(mutex_);
  queueLocked(printer_.feed({buffer, static_cast<std::size_t>(n)}));
  reportEventsLocked();
  return true;
}

void PtyPrinter::run() {
  bool hungUp = false;
  for (;;) {
    int timeoutMs = -1;
    bool wantWrite = false;
    {
      const std::lock_guard lock(mutex_);
      if (stopping_) break;
      queueLocked(printer_.advanceTo(elapsed()));
      reportEventsLocked();
      flushLocked();
      if (printer_.vanished() && outbox_.empty() && fd_ >= 0) {
        const auto now = std::chrono::steady_clock::now();
        if (!vanishedAt_) vanishedAt_ = now;
        const auto since = now - *vanishedAt_;
        if ((since >= kDrainSettle && hostHasReadAll()) || since >= kDrainLimit) {
          ::close(fd_);
          fd_ = -1;
        } else {
          timeoutMs = kDrainCheckMs;
        }
      }
      if (const auto due = printer_.nextDue(); due && timeoutMs < 0) {
        timeoutMs = static_cast<int>(std::max<SimTime::rep>(0, (*due - elapsed()).count()));
      }
      wantWrite = !outbox_.empty();
    }
    if (hungUp) timeoutMs = timeoutMs < 0 ? kHungUpRetryMs : std::min(timeoutMs, kHungUpRetryMs);
    pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {-1, 0, 0}};
    nfds_t count = 1;
    if (fd_ >= 0 && !hungUp) {
      fds[1] = {fd_, static_cast<short>(POLLIN | (wantWrite ? POLLOUT : 0)), 0};
      count = 2;
    }
    if (::poll(fds, count, timeoutMs) < 0 && errno != EINTR) break;
    if (fds[0].revents & POLLIN) {
      std::uint64_t drained;
      [[maybe_unused]] const auto read = ::read(wakeFd_, &drained, sizeof drained);
    }
    hungUp = false;
    if (count == 2) {
      if (fds[1].revents & POLLIN) {
        hungUp = !readHost();
      } else if (fds[1].revents & (POLLHUP | POLLERR)) {
        hungUp = true;
      }
    }
  }
  const std::lock_guard lock(mutex_);
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace z3mq
