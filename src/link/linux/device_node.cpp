#include "link/linux/device_node.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace z3mq {
namespace {

constexpr std::chrono::milliseconds kWriteTimeout{1000};

std::string reasonText(int error) {
  return std::strerror(error);
}

void reportOpenFailure(const std::string& path, int error, const Diagnostics& diagnostics) {
  if (!diagnostics) return;
  if (error == EACCES || error == EPERM) {
    diagnostics("cannot open " + path + ": " + reasonText(error) +
                "; install the udev rule packaging/60-z3mq-printers.rules (README, "
                "\"Printer access\") and plug the printer in again");
  } else if (error == EBUSY || error == EWOULDBLOCK) {
    diagnostics("cannot open " + path + ": in use by another program");
  } else {
    diagnostics("cannot open " + path + ": " + reasonText(error));
  }
}

// Raw 115200 8N1; flow control stays as the driver has it. Failures are ignored: the printer is
// used whether or not its driver accepts the settings.
void configureTty(int fd) {
  ::ioctl(fd, TIOCEXCL);
  termios settings{};
  if (::tcgetattr(fd, &settings) == 0) {
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B115200);
    ::cfsetospeed(&settings, B115200);
    settings.c_cflag &= ~(CSTOPB | PARENB | CSIZE);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    ::tcsetattr(fd, TCSANOW, &settings);
  }
  ::tcflush(fd, TCIOFLUSH);
}

}  // namespace

UniqueFd openPrinterNode(const std::string& path, const Diagnostics& diagnostics) {
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.valid()) {
    reportOpenFailure(path, errno, diagnostics);
    return {};
  }
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
    reportOpenFailure(path, errno, diagnostics);
    return {};
  }
  if (::isatty(fd.get())) configureTty(fd.get());
  return fd;
}

bool writeWhole(int fd, std::span<const std::uint8_t> bytes) {
  const auto deadline = std::chrono::steady_clock::now() + kWriteTimeout;
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written > 0) {
      bytes = bytes.subspan(static_cast<std::size_t>(written));
      continue;
    }
    if (written < 0 && errno == EINTR) continue;
    if (written < 0 && errno != EAGAIN) return false;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd writable{fd, POLLOUT, 0};
    if (::poll(&writable, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) return false;
  }
  return true;
}

void discardTtyQueues(int fd) {
  if (::isatty(fd)) ::tcflush(fd, TCIOFLUSH);
}

}  // namespace z3mq
