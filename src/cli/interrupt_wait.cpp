#include "cli/interrupt_wait.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace z3mq {
namespace {

// The write end of the self-pipe: all the signal handler may touch.
volatile std::sig_atomic_t signalPipe = -1;

void onSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe, &byte, 1);
  errno = saved;
}

void handle(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  ::sigaction(signal, &action, nullptr);
}

}  // namespace

InterruptWait::InterruptWait() {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
  readEnd_.reset(ends[0]);
  signalPipe = ends[1];
  handle(SIGINT, onSignal);
  handle(SIGTERM, onSignal);
}

InterruptWait::~InterruptWait() {
  handle(SIGINT, SIG_DFL);
  handle(SIGTERM, SIG_DFL);
  if (signalPipe >= 0) ::close(signalPipe);
  signalPipe = -1;
}

bool InterruptWait::waitReadable(int fd) {
  pollfd fds[2] = {{readEnd_.get(), POLLIN, 0}, {fd, POLLIN, 0}};
  while (true) {
    if (::poll(fds, fd >= 0 ? 2 : 1, -1) < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (fds[0].revents != 0) return false;
    if (fds[1].revents != 0) return true;
  }
}

}  // namespace z3mq
