#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "link/linux/linux_link.h"
#include "link/linux/pty_printer.h"
#include "link/linux/recording_sink.h"
#include "link/test_messages.h"

namespace z3mq {
namespace {

using namespace z3mq::testing;

class LinuxLinkPty : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(printer.valid());
    link.setMessageSink(&sink);
  }

  int open(LinkKind kind = LinkKind::SerialEmulate) {
    return link.openPath(printer.path(), PrinterFamily::Q470, kind);
  }

  // The worker clears responsePending after each read, so once it is clear again the bytes have
  // been read on their own.
  void sendAndWaitForRead(const Bytes& bytes) {
    link.session().responsePending = 1;
    printer.send(bytes);
    const auto deadline = std::chrono::steady_clock::now() + kBound;
    while (link.session().responsePending != 0 && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::yield();
    }
    ASSERT_EQ(link.session().responsePending, 0);
  }

  std::vector<std::string> diagnostics;
  PtyPrinter printer;
  RecordingSink sink;
  LinuxLink link{[this](std::string_view text) { diagnostics.emplace_back(text); }};
};

struct DeliveryCase {
  const char* name;
  std::vector<Bytes> writes;  // each one read by the link before the next is sent
  MessageKind kind;
  friend void PrintTo(const DeliveryCase& c, std::ostream* out) { *out << c.name; }
};

class LinuxLinkDelivery : public LinuxLinkPty,
                          public ::testing::WithParamInterface<DeliveryCase> {};

TEST_P(LinuxLinkDelivery, DeliversTheMessageOnceAndInOrder) {
  ASSERT_EQ(open(), 1);
  for (const Bytes& part : GetParam().writes) sendAndWaitForRead(part);
  printer.send(kAuxReport);  // a later message shows that nothing came twice
  ASSERT_TRUE(sink.waitForMessages(2));
  const auto messages = sink.messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].kind, GetParam().kind);
  EXPECT_EQ(messages[0].bytes, joined(GetParam().writes));
  EXPECT_EQ(messages[1].bytes, kAuxReport);
}

const Bytes kFramedWithControlBytes{0x1B, 0x1B, 0x45, 0x02, 0x02, 0x00, 0x10, 0x07, 0x00, 0x00,
                                    0x00, 0x00, 0x00, 0x0D, 0x0A, 0x03, 0x11, 0x13, 0x7F, 0xFF};

INSTANTIATE_TEST_SUITE_P(
    Pty, LinuxLinkDelivery,
    ::testing::Values(
        DeliveryCase{"LegacyWhole", {kLegacyInfo}, MessageKind::Legacy},
        DeliveryCase{"FramedWhole", {kFramedAnswer}, MessageKind::Framed},
        // CR, LF, ^C, XON, XOFF and DEL reach the framer untouched only on a raw tty.
        DeliveryCase{"FramedWithTtyControlBytes", {kFramedWithControlBytes}, MessageKind::Framed},
        DeliveryCase{"LegacySplitOverThreeReads",
                     {{0x01, 0x02, 0x02}, {0x00, 0x41, 0xAA}, {0xBB, 0x03, 0x04}},
                     MessageKind::Legacy},
        DeliveryCase{"FramedSplitInsideItsLength",
                     {{0x1B, 0x1B, 0x45, 0x02, 0x02, 0x00, 0x10, 0x03},
                      {0x00, 0x00, 0x00, 0x00, 0x00, 0xAA, 0xBB, 0xCC}},
                     MessageKind::Framed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinuxLinkPty, WritesRequestsWholeAndUnchanged) {
  ASSERT_EQ(open(), 1);
  EXPECT_TRUE(link.portValid());
  link.write(kFramedWithControlBytes);
  EXPECT_EQ(printer.receive(kFramedWithControlBytes.size()), kFramedWithControlBytes);
}

class LinuxLinkKinds : public LinuxLinkPty, public ::testing::WithParamInterface<LinkKind> {};

TEST_P(LinuxLinkKinds, ReadsWhateverArrivesAndClearsThePendingResponse) {
  ASSERT_EQ(open(GetParam()), 1);
  EXPECT_EQ(link.session().linkKind, GetParam());
  printer.send(kAuxReport);  // unasked, as a printer reports on its own
  ASSERT_TRUE(sink.waitForMessages(1));

  link.session().responsePending = 1;
  printer.send(kFramedAnswer);
  ASSERT_TRUE(sink.waitForMessages(2));
  EXPECT_EQ(link.session().responsePending, 0);
  EXPECT_EQ(sink.messages()[1].bytes, kFramedAnswer);
}

INSTANTIATE_TEST_SUITE_P(Pty, LinuxLinkKinds,
                         ::testing::Values(LinkKind::SerialEmulate, LinkKind::ActualUsb),
                         [](const auto& info) {
                           return info.param == LinkKind::ActualUsb ? "PrinterClass" : "Cdc";
                         });

TEST_F(LinuxLinkPty, CloseReturnsInTimeWhileTheSinkHoldsTheWorker) {
  RecordingSink holding(true);
  link.setMessageSink(&holding);
  ASSERT_EQ(open(), 1);
  printer.send(kLegacyInfo);
  ASSERT_TRUE(holding.waitForMessages(1));  // the worker now waits inside the sink

  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(link.close(), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - started, ReceiveWorker::kStopTimeout);
  EXPECT_TRUE(diagnostics.empty());
  EXPECT_EQ(link.session().opened, 0);
  EXPECT_FALSE(link.portValid());
  EXPECT_EQ(link.close(), 1);  // closing a closed channel does nothing
}

TEST_F(LinuxLinkPty, HangUpEndsReadingAndCloseStaysClean) {
  ASSERT_EQ(open(), 1);
  printer.send(kLegacyInfo);
  ASSERT_TRUE(sink.waitForMessages(1));
  printer.hangUp();

  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(link.close(), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - started, ReceiveWorker::kStopTimeout);
  EXPECT_TRUE(diagnostics.empty());

  PtyPrinter next;  // the same link connects again afterwards
  ASSERT_EQ(link.openPath(next.path(), PrinterFamily::Z3M, LinkKind::SerialEmulate), 1);
  next.send(kLegacyInfo);
  EXPECT_TRUE(sink.waitForMessages(2));
}

TEST_F(LinuxLinkPty, ReopeningForgetsAPartlyReceivedMessage) {
  ASSERT_EQ(open(), 1);
  sendAndWaitForRead({0x01, 0x02, 0x09, 0x00, 0x41});  // the printer was unplugged mid-answer
  EXPECT_EQ(link.close(), 0);

  ASSERT_EQ(open(), 1);
  printer.send(kLegacyInfo);
  ASSERT_TRUE(sink.waitForMessages(1));
  printer.send(kAuxReport);
  ASSERT_TRUE(sink.waitForMessages(2));
  EXPECT_EQ(sink.messages()[0].bytes, kLegacyInfo);
}

TEST_F(LinuxLinkPty, ASecondInstanceFindsTheNodeBusy) {
  ASSERT_EQ(open(), 1);
  std::vector<std::string> otherDiagnostics;
  LinuxLink other([&](std::string_view text) { otherDiagnostics.emplace_back(text); });
  EXPECT_EQ(other.openPath(printer.path(), PrinterFamily::Q470, LinkKind::SerialEmulate), 0);
  EXPECT_FALSE(other.portValid());
  ASSERT_EQ(otherDiagnostics.size(), 1u);
  EXPECT_NE(otherDiagnostics[0].find("in use by another program"), std::string::npos);
  EXPECT_NE(otherDiagnostics[0].find(printer.path()), std::string::npos);
}

TEST_F(LinuxLinkPty, AFailedOpenLeavesNoPortAndWritesNothing) {
  const std::string missing = "/dev/z3mq-no-such-printer";
  EXPECT_EQ(link.openPath(missing, PrinterFamily::Q470, LinkKind::SerialEmulate), 0);
  EXPECT_EQ(link.session().devicePath, missing);
  EXPECT_EQ(link.session().opened, 0);
  EXPECT_FALSE(link.portValid());
  link.write(kLegacyInfo);  // skipped
  EXPECT_EQ(link.close(), 1);
  ASSERT_EQ(diagnostics.size(), 1u);
  EXPECT_NE(diagnostics[0].find(missing), std::string::npos);
}

TEST(LinuxLinkAccess, APermissionRefusalNamesTheUdevRule) {
  char path[] = "/tmp/z3mq-printer-XXXXXX";
  const int created = ::mkstemp(path);
  ASSERT_GE(created, 0);
  ::close(created);
  // A node the user may not open; root opens anything, so root tries it as nobody.
  const bool root = ::geteuid() == 0;
  ASSERT_EQ(::chmod(path, root ? 0600 : 0), 0);
  if (root) {
    ASSERT_EQ(::seteuid(65534), 0);
  }
  std::vector<std::string> diagnostics;
  LinuxLink link([&](std::string_view text) { diagnostics.emplace_back(text); });
  const int opened = link.openPath(path, PrinterFamily::Z3M, LinkKind::SerialEmulate);
  if (root) {
    ASSERT_EQ(::seteuid(0), 0);
  }
  ::unlink(path);

  EXPECT_EQ(opened, 0);
  ASSERT_EQ(diagnostics.size(), 1u);
  EXPECT_NE(diagnostics[0].find("Permission denied"), std::string::npos);
  EXPECT_NE(diagnostics[0].find("packaging/60-z3mq-printers.rules"), std::string::npos);
}

}  // namespace
}  // namespace z3mq
