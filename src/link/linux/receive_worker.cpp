#include "link/linux/receive_worker.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>

namespace z3mq {

ReceiveWorker::ReceiveWorker(int deviceFd, PrinterSession& session, StreamFramer& framer,
                             MessageSink* sink, Diagnostics diagnostics)
    : WorkerThread(kStopTimeout, std::move(diagnostics)),
      deviceFd_(deviceFd),
      deviceIsTty_(::isatty(deviceFd) == 1),
      session_(session),
      framer_(framer),
      sink_(sink),
      wakeFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

ReceiveWorker::~ReceiveWorker() {
  stop();
}

int ReceiveWorker::step() {
  std::array<pollfd, 2> fds{
      {{wakeFd_.get(), POLLIN, 0}, {deviceGone_ ? -1 : deviceFd_, POLLIN, 0}}};
  if (::poll(fds.data(), fds.size(), -1) < 0) return 0;
  if (fds[0].revents & POLLIN) {
    std::uint64_t count;
    [[maybe_unused]] const ssize_t drained = ::read(wakeFd_.get(), &count, sizeof count);
  }
  if (fds[1].revents != 0) readDevice(fds[1].revents);
  return 0;
}

void ReceiveWorker::readDevice(short events) {
  std::array<std::uint8_t, 4096> chunk;
  const ssize_t n = ::read(deviceFd_, chunk.data(), chunk.size());
  const int error = errno;
  session_.responsePending = 0;
  if (n > 0) {
    for (const Message& message :
         framer_.feed(std::span(chunk.data(), static_cast<std::size_t>(n)))) {
      if (sink_ != nullptr) sink_->onMessage(message);
    }
    return;
  }
  const bool nothingYet = n < 0 && (error == EAGAIN || error == EINTR);
  // A tty that reads 0 bytes after poll said readable has been hung up; a printer-class node
  // reads 0 for an empty USB packet and goes on.
  const bool hungUp = (n == 0 && deviceIsTty_) || (events & (POLLHUP | POLLERR | POLLNVAL)) != 0;
  if ((n < 0 && !nothingYet) || hungUp) deviceGone_ = true;
}

void ReceiveWorker::wake() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeFd_.get(), &one, sizeof one);
}

}  // namespace z3mq
