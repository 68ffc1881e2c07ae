#include "sim/simulated_pty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>
#include <utility>

namespace z3mq {

namespace {

[[noreturn]] void fail(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

// Owns a descriptor until it is handed on.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

}  // namespace

SimulatedPty::SimulatedPty(std::string slavePath, int keepAliveFd,
                           std::unique_ptr<PtyPrinter> printer)
    : slavePath_(std::move(slavePath)), keepAliveFd_(keepAliveFd), printer_(std::move(printer)) {}

SimulatedPty::~SimulatedPty() {
  stop();
  ::close(keepAliveFd_);
}

void SimulatedPty::stop() {
  printer_->stop();
}

std::unique_ptr<SimulatedPty> startSimulatedPrinterOnPty(const SimOptions& options,
                                                         PtyPrinter::EventObserver onEvent) {
  Fd master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (master.get() < 0) fail("posix_openpt");
  if (::grantpt(master.get()) != 0) fail("grantpt");
  if (::unlockpt(master.get()) != 0) fail("unlockpt");
  std::array<char, 128> name{};
  if (::ptsname_r(master.get(), name.data(), name.size()) != 0) fail("ptsname_r");
  Fd slave(::open(name.data(), O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (slave.get() < 0) fail("open pty slave");
  // Printer bytes are binary: no echo, no line editing, no signals from control characters.
  termios raw{};
  if (::tcgetattr(slave.get(), &raw) != 0) fail("tcgetattr");
  ::cfmakeraw(&raw);
  if (::tcsetattr(slave.get(), TCSANOW, &raw) != 0) fail("tcsetattr");
  auto printer = std::make_unique<PtyPrinter>(SimulatedPrinter(options), master.release(),
                                              std::move(onEvent), slave.get());
  return std::make_unique<SimulatedPty>(name.data(), slave.release(), std::move(printer));
}

}  // namespace z3mq
