#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "link/linux/hotplug_monitor.h"
#include "link/linux/linux_link.h"
#include "link/linux/pty_printer.h"
#include "link/linux/recording_sink.h"
#include "link/linux/umockdev_testbed.h"
#include "link/linux/usb_discovery.h"
#include "link/test_messages.h"

namespace z3mq {
namespace {

using namespace z3mq::testing;

const std::string kCdcNode = "tty/ttyACM0";
const std::string kPrinterClassNode = "usbmisc/lp0";

class UmockdevLink : public UmockdevTest {
 protected:
  void SetUp() override {
    UmockdevTest::SetUp();
    link.setMessageSink(&sink);
  }
  void TearDown() override {
    link.close();
    UmockdevTest::TearDown();
  }

  std::vector<std::string> diagnostics;
  RecordingSink sink;
  LinuxLink link{[this](std::string_view text) { diagnostics.emplace_back(text); }};
};

struct PrinterCase {
  const char* name;
  std::uint16_t vendorId;
  std::uint16_t productId;
  std::string node;
  std::string devnode;
  PrinterFamily family;
  LinkKind linkKind;
  friend void PrintTo(const PrinterCase& c, std::ostream* out) { *out << c.name; }
};

class UmockdevDiscovery : public UmockdevLink, public ::testing::WithParamInterface<PrinterCase> {};

TEST_P(UmockdevDiscovery, FindsClassifiesAndOpensThePrinter) {
  const PrinterCase& c = GetParam();
  add(usbDeviceDescription("1-3", presentIds(c.vendorId, c.productId) + "A: serial=SN0042\n",
                           c.node));

  const auto printers = enumerateUsbPrinters();
  ASSERT_EQ(printers.size(), 1u);
  EXPECT_EQ(printers[0].nodePath, c.devnode);
  EXPECT_EQ(printers[0].vendorId, c.vendorId);
  EXPECT_EQ(printers[0].productId, c.productId);
  EXPECT_EQ(printers[0].model, findPrinterModel(c.vendorId, c.productId));
  EXPECT_EQ(printers[0].interfaceName, usbInterfaceName(c.vendorId, c.productId, "SN0042"));

  ASSERT_EQ(link.open(), 1);
  EXPECT_EQ(link.session().opened, 1);
  EXPECT_EQ(link.session().devicePath, c.devnode);
  EXPECT_EQ(link.session().deviceModel, printers[0].model);
  EXPECT_EQ(link.session().family, c.family);
  EXPECT_EQ(link.session().linkKind, c.linkKind);
}

INSTANTIATE_TEST_SUITE_P(
    KnownPrinters, UmockdevDiscovery,
    ::testing::Values(PrinterCase{"Z3mCdc", 0x045B, 0x5310, kCdcNode, "/dev/ttyACM0",
                                  PrinterFamily::Z3M, LinkKind::SerialEmulate},
                      PrinterCase{"Z3mPrinterClass", 0x045B, 0x5311, kPrinterClassNode,
                                  "/dev/usb/lp0", PrinterFamily::Z3M, LinkKind::ActualUsb},
                      PrinterCase{"Q470Cdc", 0x28E9, 0x018A, kCdcNode, "/dev/ttyACM0",
                                  PrinterFamily::Q470, LinkKind::SerialEmulate},
                      PrinterCase{"Q470PrinterClass", 0x0FE6, 0x8121, kPrinterClassNode,
                                  "/dev/usb/lp0", PrinterFamily::Q470, LinkKind::ActualUsb}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UmockdevLink, IgnoresForeignDevicesAndKeepsTheSession) {
  add(usbDeviceDescription("1-1", presentIds(0x2341, 0x0043), kCdcNode));  // a microcontroller
  add(usbDeviceDescription("1-2", presentIds(0x045B, 0x5312), kPrinterClassNode));
  link.session().family = PrinterFamily::Z3M;

  EXPECT_TRUE(enumerateUsbPrinters().empty());
  EXPECT_EQ(link.open(), 0);
  EXPECT_TRUE(link.session().devicePath.empty());
  EXPECT_EQ(link.session().deviceModel, nullptr);
  EXPECT_EQ(link.session().family, PrinterFamily::Z3M);
  EXPECT_FALSE(link.portValid());
}

TEST_F(UmockdevLink, OfTwoPrintersTheFirstEnumeratedWins) {
  add(usbDeviceDescription("1-2", presentIds(0x28E9, 0x018A), kCdcNode));
  add(usbDeviceDescription("1-1", presentIds(0x045B, 0x5311), kPrinterClassNode));

  const auto printers = enumerateUsbPrinters();
  ASSERT_EQ(printers.size(), 2u);
  EXPECT_EQ(printers[0].nodePath, "/dev/usb/lp0");  // sysfs order, not the order of arrival
  ASSERT_EQ(link.open(), 1);
  EXPECT_EQ(link.session().devicePath, "/dev/usb/lp0");
  EXPECT_EQ(link.session().family, PrinterFamily::Z3M);
  EXPECT_EQ(link.session().linkKind, LinkKind::ActualUsb);
}

TEST_F(UmockdevLink, APrinterHeldElsewhereIsPassedOverButRecorded) {
  add(usbDeviceDescription("1-1", presentIds(0x28E9, 0x018A), kCdcNode));
  LinuxLink holder;
  ASSERT_EQ(holder.open(), 1);

  EXPECT_EQ(link.open(), 0);
  EXPECT_EQ(link.session().devicePath, "/dev/ttyACM0");
  EXPECT_FALSE(link.portValid());
  ASSERT_EQ(diagnostics.size(), 1u);
  EXPECT_NE(diagnostics[0].find("in use by another program"), std::string::npos);

  // A second printer enumerated later is still found.
  add(usbDeviceDescription("1-2", presentIds(0x0FE6, 0x8121), kPrinterClassNode));
  ASSERT_EQ(link.open(), 1);
  EXPECT_EQ(link.session().devicePath, "/dev/usb/lp0");
}

TEST_F(UmockdevLink, TalksToAScriptedPrinter) {
  add(usbDeviceDescription("1-1", presentIds(0x28E9, 0x018A), kCdcNode));
  const int printer = printerEnd("/dev/ttyACM0");
  ASSERT_GE(printer, 0);
  ASSERT_EQ(link.open(), 1);

  const Bytes request{0x1B, 0x1B, 0x45, 0x02, 0x02, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x3C, 0x4B};
  sendExpectingAnswer(link, request);
  ASSERT_EQ(readPrinterEnd(printer, request.size()), request);
  ASSERT_EQ(::write(printer, kFramedAnswer.data(), kFramedAnswer.size()),
            static_cast<ssize_t>(kFramedAnswer.size()));

  ASSERT_TRUE(sink.waitForMessages(1));
  EXPECT_EQ(sink.messages()[0].kind, MessageKind::Framed);
  EXPECT_EQ(sink.messages()[0].bytes, kFramedAnswer);
  EXPECT_EQ(link.session().responsePending, 0);
}

TEST_F(UmockdevLink, RemovalDuringAReadClosesCleanly) {
  add(usbDeviceDescription("1-1", presentIds(0x045B, 0x5310), kCdcNode));
  HotplugMonitor monitor;
  ASSERT_TRUE(monitor.valid());
  const int printer = printerEnd("/dev/ttyACM0");
  ASSERT_EQ(link.open(), 1);
  const Bytes firstHalf(kLegacyInfo.begin(), kLegacyInfo.begin() + 4);
  ASSERT_EQ(::write(printer, firstHalf.data(), firstHalf.size()),
            static_cast<ssize_t>(firstHalf.size()));

  hangUp("/dev/ttyACM0");
  uevent(usbDeviceSyspath("1-1"), "remove");
  pollfd readable{monitor.fd(), POLLIN, 0};
  ASSERT_EQ(::poll(&readable, 1, 5000), 1);
  const auto events = monitor.drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].code, device_event::kRemoveComplete);

  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(link.close(), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - started, ReceiveWorker::kStopTimeout);
  EXPECT_EQ(link.session().opened, 0);
  EXPECT_FALSE(link.portValid());
  EXPECT_TRUE(sink.messages().empty());
  EXPECT_TRUE(diagnostics.empty());
}

struct HotplugCase {
  const char* name;
  std::string idLines;
  const char* action;
  std::uint32_t code;
  std::optional<std::string> interfaceName;
  friend void PrintTo(const HotplugCase& c, std::ostream* out) { *out << c.name; }
};

class UmockdevHotplug : public UmockdevTest, public ::testing::WithParamInterface<HotplugCase> {};

TEST_P(UmockdevHotplug, TurnsUeventsIntoDeviceEvents) {
  const HotplugCase& c = GetParam();
  add(usbDeviceDescription("1-4", c.idLines));
  HotplugMonitor monitor;  // after adding, which announces the device itself
  ASSERT_TRUE(monitor.valid());
  uevent(usbDeviceSyspath("1-4") + "/1-4:1.0", c.action);  // interfaces are not watched
  uevent(usbDeviceSyspath("1-4"), "change");               // neither are other actions
  uevent(usbDeviceSyspath("1-4"), c.action);

  std::vector<DeviceEvent> events;
  const auto deadline = std::chrono::steady_clock::now() + kBound;
  while (events.empty() && std::chrono::steady_clock::now() < deadline) {
    pollfd readable{monitor.fd(), POLLIN, 0};
    if (::poll(&readable, 1, 100) == 1) events = monitor.drain();
  }
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].code, c.code);
  EXPECT_EQ(events[0].interfaceName, c.interfaceName);
  EXPECT_TRUE(monitor.drain().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Uevents, UmockdevHotplug,
    ::testing::Values(
        HotplugCase{"ArrivalOfACdcPrinter", presentIds(0x28E9, 0x018A) + "A: serial=Q1\n", "add",
                    device_event::kArrival, usbInterfaceName(0x28E9, 0x018A, "Q1")},
        HotplugCase{"ArrivalWithoutSerialNamesThePort", presentIds(0x045B, 0x5310), "add",
                    device_event::kArrival, usbInterfaceName(0x045B, 0x5310, "1-4")},
        HotplugCase{"ArrivalOfAForeignDevice", presentIds(0x046D, 0xC52B), "add",
                    device_event::kArrival, usbInterfaceName(0x046D, 0xC52B, "1-4")},
        // Once removed, sysfs is gone: the ids come from what the event carries.
        HotplugCase{"RemovalIdsFromProduct", "E: PRODUCT=45b/5311/100\nE: ID_SERIAL_SHORT=Z9\n",
                    "remove", device_event::kRemoveComplete,
                    usbInterfaceName(0x045B, 0x5311, "Z9")},
        HotplugCase{"RemovalIdsFromVendorAndModel", "E: ID_VENDOR_ID=0fe6\nE: ID_MODEL_ID=8121\n",
                    "remove", device_event::kRemoveComplete,
                    usbInterfaceName(0x0FE6, 0x8121, "1-4")},
        HotplugCase{"RemovalWithoutIdsHasNoName", "", "remove", device_event::kRemoveComplete,
                    std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace z3mq
