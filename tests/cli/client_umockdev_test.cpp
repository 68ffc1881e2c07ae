// The built client with --all against two simulated printers behind fake USB devices.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/client_process.h"
#include "cli/json_fields.h"
#include "cli/served_printer.h"
#include "link/linux/umockdev_testbed.h"

namespace z3mq {
namespace {

using namespace z3mq::testing;

SimOptions printerOptions(PrinterFamily family, const std::string& serial) {
  SimOptions options;
  options.family = family;
  options.q470.identity.serialNumber = serial;
  options.z3m.identity.serialNumber = serial;
  return options;
}

class ClientAll : public UmockdevTest {
 protected:
  void SetUp() override {
    UmockdevTest::SetUp();
    if (IsSkipped()) return;
    add(usbDeviceDescription("1-1", presentIds(0x28E9, 0x018A), "tty/ttyACM0"));
    add(usbDeviceDescription("1-2", presentIds(0x045B, 0x5310), "tty/ttyACM1"));
  }
  void TearDown() override {
    std::filesystem::remove_all(directory_);
    UmockdevTest::TearDown();
  }

  std::filesystem::path directory_ = [] {
    char name[] = "/tmp/z3mq-all-XXXXXX";
    return std::filesystem::path(::mkdtemp(name));
  }();
};

TEST_F(ClientAll, ListsAndReportsEveryAttachedPrinter) {
  ServedPrinter q470(printerOptions(PrinterFamily::Q470, "Q470SN1"), printerEnd("/dev/ttyACM0"));
  ServedPrinter z3m(printerOptions(PrinterFamily::Z3M, "Z3MSN2"), printerEnd("/dev/ttyACM1"));

  const ClientResult list = runClient({"list"});
  ASSERT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.out,
            "/dev/ttyACM0  28E9:018A  q470  cdc\n"
            "/dev/ttyACM1  045B:5310  z3m  cdc\n");

  const ClientResult info = runClient({"--all", "--json", "--settle", "0", "info"});
  ASSERT_EQ(info.status, 0) << info.err;
  const Json reports = Json::parse(info.out);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0]["device"], "/dev/ttyACM0");
  EXPECT_EQ(reports[0]["result"]["serialNumber"], "Q470SN1");
  EXPECT_EQ(reports[1]["device"], "/dev/ttyACM1");
  EXPECT_EQ(reports[1]["result"]["serialNumber"], "Z3MSN2");

  const ClientResult read =
      runClient({"--all", "--settle", "0", "read", "-o", directory_.string()});
  ASSERT_EQ(read.status, 0) << read.err;
  EXPECT_TRUE(std::filesystem::exists(directory_ / "Q470SN1.json"));
  EXPECT_TRUE(std::filesystem::exists(directory_ / "Z3MSN2.json"));
}

TEST_F(ClientAll, ASilentPrinterDoesNotKeepTheOthersFromBeingReported) {
  SimOptions silent = printerOptions(PrinterFamily::Q470, "Q470SN1");
  silent.faults.muteAll = true;
  ServedPrinter q470(silent, printerEnd("/dev/ttyACM0"));
  ServedPrinter z3m(printerOptions(PrinterFamily::Z3M, "Z3MSN2"), printerEnd("/dev/ttyACM1"));

  const ClientResult info = runClient({"--all", "--settle", "0", "--timeout", "300", "info"});
  EXPECT_EQ(info.status, 1);
  EXPECT_NE(info.err.find("/dev/ttyACM0: no answer to ReadModelName"), std::string::npos)
      << info.err;
  EXPECT_NE(info.out.find("== /dev/ttyACM1\nModel Name: Z3M-P\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("SN: Z3MSN2\n"), std::string::npos) << info.out;
}

}  // namespace
}  // namespace z3mq
