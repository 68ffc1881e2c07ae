#pragma once

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "link/linux/recording_sink.h"
#include "link/linux/unique_fd.h"
#include "link/test_messages.h"

namespace z3mq::testing {

// Reads what the link wrote to the printer's end of a node, as far as count bytes, within the
// bound.
inline Bytes readPrinterEnd(int fd, std::size_t count) {
  Bytes bytes;
  const auto deadline = std::chrono::steady_clock::now() + kBound;
  while (bytes.size() < count && std::chrono::steady_clock::now() < deadline) {
    pollfd readable{fd, POLLIN, 0};
    if (::poll(&readable, 1, 100) <= 0) continue;
    std::uint8_t chunk[256];
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  }
  return bytes;
}

// The printer's end of a pseudo-terminal: the link opens the slave node, the test answers on the
// master.
class PtyPrinter {
 public:
  PtyPrinter() {
    int master = -1;
    int slave = -1;
    char name[128];
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
    ::close(slave);
    master_.reset(master);
    path_ = name;
  }

  bool valid() const { return master_.valid(); }
  const std::string& path() const { return path_; }

  void send(const Bytes& bytes) const {
    ASSERT_EQ(::write(master_.get(), bytes.data(), bytes.size()),
              static_cast<ssize_t>(bytes.size()));
  }

  // Reads exactly count bytes that the link wrote, or fewer when they do not come in time.
  Bytes receive(std::size_t count) const { return readPrinterEnd(master_.get(), count); }

  void hangUp() { master_.reset(); }

 private:
  UniqueFd master_;
  std::string path_;
};

}  // namespace z3mq::testing
