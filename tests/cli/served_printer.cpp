#include "cli/served_printer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

namespace z3mq::testing {

ServedPrinter::ServedPrinter(SimOptions options) : printer_(std::move(options)) {
  int master = -1;
  int slave = -1;
  if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
    ADD_FAILURE() << "no pseudo-terminal";
    return;
  }
  ::close(slave);
  ownedMaster_.reset(master);
  start(master);
}

ServedPrinter::ServedPrinter(SimOptions options, int masterFd) : printer_(std::move(options)) {
  start(masterFd);
}

void ServedPrinter::start(int masterFd) {
  master_ = masterFd;
  termios raw{};
  ::tcgetattr(master_, &raw);
  ::cfmakeraw(&raw);
  ::tcsetattr(master_, TCSANOW, &raw);
  path_ = ::ptsname(master_);
  keepAlive_.reset(::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
  wake_.reset(::eventfd(0, EFD_CLOEXEC));
  thread_ = std::thread([this] { run(); });
}

ServedPrinter::~ServedPrinter() {
  const std::uint64_t one = 1;
  if (::write(wake_.get(), &one, sizeof one) < 0) ADD_FAILURE() << "cannot stop the printer";
  if (thread_.joinable()) thread_.join();
}

void ServedPrinter::run() {
  pollfd fds[2] = {{wake_.get(), POLLIN, 0}, {master_, POLLIN, 0}};
  while (::poll(fds, 2, -1) >= 0 && fds[0].revents == 0) {
    if ((fds[1].revents & POLLIN) == 0) continue;
    std::uint8_t chunk[512];
    const ssize_t count = ::read(master_, chunk, sizeof chunk);
    if (count <= 0) continue;
    std::vector<SimWrite> writes;
    {
      std::lock_guard lock(mutex_);
      received_.insert(received_.end(), chunk, chunk + count);
      writes = printer_.feed(std::span(chunk, static_cast<std::size_t>(count)));
      changed_.notify_all();
    }
    for (const SimWrite& write : writes) {
      if (::write(master_, write.data(), write.size()) != static_cast<ssize_t>(write.size())) {
        ADD_FAILURE() << "short write to the client";
      }
    }
  }
}

std::vector<std::uint8_t> ServedPrinter::received() {
  std::lock_guard lock(mutex_);
  return received_;
}

bool ServedPrinter::waitForBytes(std::size_t count) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, kBound, [&] { return received_.size() >= count; });
}

bool ServedPrinter::waitUntil(const std::function<bool(const SimulatedPrinter&)>& condition) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, kBound, [&] { return condition(printer_); });
}

void ServedPrinter::inspect(const std::function<void(const SimulatedPrinter&)>& look) {
  std::lock_guard lock(mutex_);
  look(printer_);
}

}  // namespace z3mq::testing
