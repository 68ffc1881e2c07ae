#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>

#include "framed/codec/frame.h"
#include "framed/codec/identity.h"
#include "link/stream_framer.h"
#include "sim/simulated_pty.h"

namespace z3mq {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kBound = 5s;

// The host's end: the slave opened as a link would open it.
class Host {
 public:
  explicit Host(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY)) {}
  ~Host() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool ok() const { return fd_ >= 0; }

  void write(const std::vector<std::uint8_t>& bytes) {
    ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  // Reads until `count` messages are complete or the bound passes; counts the reads it took.
  std::vector<Message> readMessages(std::size_t count) {
    std::vector<Message> messages;
    const auto deadline = Clock::now() + kBound;
    while (messages.size() < count && Clock::now() < deadline) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      pollfd pfd{fd_, POLLIN, 0};
      if (::poll(&pfd, 1, static_cast<int>(left.count())) <= 0) break;
      std::uint8_t buffer[256];
      const ssize_t n = ::read(fd_, buffer, sizeof buffer);
      if (n <= 0) break;
      ++reads;
      for (Message& m : framer_.feed({buffer, static_cast<std::size_t>(n)})) {
        messages.push_back(std::move(m));
      }
    }
    return messages;
  }

  // Whether the printer's end went away within the bound.
  bool seesHangUp() {
    pollfd pfd{fd_, POLLIN, 0};
    if (::poll(&pfd, 1, static_cast<int>(std::chrono::milliseconds(kBound).count())) <= 0) {
      return false;
    }
    std::uint8_t byte;
    return (pfd.revents & POLLHUP) != 0 || ::read(fd_, &byte, 1) <= 0;
  }

  int reads = 0;

 private:
  int fd_;
  StreamFramer framer_;
};

const std::vector<std::uint8_t> kReadModelName =
    buildFrame(LinkKind::SerialEmulate, FramedCode::ReadModelName);

TEST(PtyPrinter, AnswersReadModelNameOverARealPty) {
  SimOptions options;
  options.q470.identity.modelName = "Q470-PTY";
  const auto pty = startSimulatedPrinterOnPty(options);
  Host host(pty->slavePath());
  ASSERT_TRUE(host.ok());
  host.write(kReadModelName);
  const auto messages = host.readMessages(1);
  ASSERT_EQ(messages.size(), 1u);
  const auto frame = readFrame(messages[0].bytes);
  EXPECT_EQ(frame->code, FramedCode::ReadModelName);
  EXPECT_EQ(decodeInformationText(frame->payload), "Q470-PTY");
  pty->printer().inspect([](const SimulatedPrinter& printer) {
    EXPECT_EQ(printer.events().front(), (SimEvent{SimEventKind::Request, "ReadModelName"}));
  });
}

TEST(PtyPrinter, HonoursDelayAndSplitWrites) {
  SimOptions options;
  options.faults.answerDelay = 100ms;
  options.faults.splitSize = 4;
  const auto pty = startSimulatedPrinterOnPty(options);
  Host host(pty->slavePath());
  ASSERT_TRUE(host.ok());
  const auto sent = Clock::now();
  host.write(kReadModelName);
  EXPECT_EQ(host.readMessages(1).size(), 1u);
  EXPECT_GE(Clock::now() - sent, 100ms);
}

TEST(PtyPrinter, SendsReportsOnDemand) {
  SimOptions options;
  options.family = PrinterFamily::Z3M;
  const auto pty = startSimulatedPrinterOnPty(options);
  Host host(pty->slavePath());
  ASSERT_TRUE(host.ok());
  pty->printer().act([](SimulatedPrinter& printer) { return printer.sendPresence(); });
  const auto messages = host.readMessages(1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].kind, MessageKind::Legacy);
}

TEST(PtyPrinter, HostSeesTheDeviceGoAwayAfterItVanishes) {
  SimOptions options;
  options.faults.vanishAfter = 1;
  const auto pty = startSimulatedPrinterOnPty(options);
  Host host(pty->slavePath());
  ASSERT_TRUE(host.ok());
  host.write(kReadModelName);
  EXPECT_EQ(host.readMessages(1).size(), 1u);
  EXPECT_TRUE(host.seesHangUp());
}

TEST(PtyPrinter, ServesAHostThatReopensTheDevice) {
  const auto pty = startSimulatedPrinterOnPty(SimOptions{});
  for (int round = 0; round < 2; ++round) {
    Host host(pty->slavePath());
    ASSERT_TRUE(host.ok());
    host.write(kReadModelName);
    EXPECT_EQ(host.readMessages(1).size(), 1u) << "round " << round;
  }
}

}  // namespace
}  // namespace z3mq
