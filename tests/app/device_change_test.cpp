#include "app/device_change.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_controls.h"
#include "support/headless_shell.h"

namespace z3mq {
namespace {

using namespace std::chrono_literals;
using namespace main_window;

constexpr const char* kClass = "#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

std::string usbName(const char* identifier) {
  return std::string("\\\\?\\USB#") + identifier + "#5&1a2b3c4d&0&1" + kClass;
}

TEST(DeviceEventName, KnownCodesByNameOthersByNumber) {
  struct Case {
    std::uint32_t code;
    const char* name;
  };
  for (const Case c : {Case{0x0007, "DBT_DEVNODES_CHANGED"}, Case{0x8000, "DBT_DEVICEARRIVAL"},
                       Case{0x8004, "DBT_DEVICEREMOVECOMPLETE"}, Case{0xFFFF, "DBT_USERDEFINED"},
                       Case{0x0001, "Event type 1"}, Case{0x8007, "Event type 32775"}}) {
    EXPECT_EQ(deviceEventName(c.code), c.name) << c.code;
  }
}

TEST(DeviceIdentifierAt, NeverReadsPastTheLine) {
  struct Case {
    const char* name;
    std::string line;
    std::string_view identifier;
  };
  const std::string arrival = "DBT_DEVICEARRIVAL: ";
  for (const Case& c : {
           Case{"Whole", arrival + usbName("VID_045B&PID_5310"), "VID_045B&PID_5310"},
           Case{"EndsInsideIdentifier", arrival + "\\\\?\\USB#VID_045B", "VID_045B"},
           Case{"EndsAtIdentifier", arrival + "\\\\?\\USB#", ""},
           Case{"EndsBeforeIdentifier", "DBT_DEVICEARRIVAL", ""},
       }) {
    EXPECT_EQ(deviceIdentifierAt(c.line, 27), c.identifier) << c.name;
  }
}

class DeviceChangeTest : public testing::Test {
 protected:
  // Offline and idle: the start-up search found nothing.
  void startOffline() {
    shell.start();
    shell.runSearch();
  }
  void startOnline() {
    shell.link.attach(0x045B, 0x5311);
    shell.start();
    shell.runSearch();
  }
  bool event(std::uint32_t code, std::optional<std::string> name) {
    return shell.window().onDeviceChange(DeviceEvent{code, std::move(name)});
  }

  HeadlessShell shell;
};

struct ArrivalCase {
  const char* name;
  std::optional<std::string> interfaceName;
  std::string logLine;
  PrinterFamily family;
};

class ArrivalWhileOfflineTest : public DeviceChangeTest,
                                public testing::WithParamInterface<ArrivalCase> {};

TEST_P(ArrivalWhileOfflineTest, LogsInRedWaitsAndSearches) {
  startOffline();
  const std::size_t sleepsBefore = shell.clock.sleeps().size();
  EXPECT_TRUE(event(device_event::kArrival, GetParam().interfaceName));
  EXPECT_EQ(shell.window().log().lines(), (std::vector<ColouredText>{{0, GetParam().logLine}}));
  EXPECT_EQ(shell.window().session().family, GetParam().family);
  ASSERT_EQ(shell.clock.sleeps().size(), sleepsBefore + 1);
  EXPECT_EQ(shell.clock.sleeps().back(), 300ms);
  EXPECT_EQ(shell.window().search().searchState, 1);
  EXPECT_TRUE(shell.timers.isRunning(SearchWorkflow::kSearchTimer));
  EXPECT_EQ(shell.dialog().text(kDeviceLabel), "Searching...");
}

INSTANTIATE_TEST_SUITE_P(
    Devices, ArrivalWhileOfflineTest,
    testing::Values(
        ArrivalCase{"Q470Cdc", usbName("VID_28E9&PID_018A"),
                    "DBT_DEVICEARRIVAL: " + usbName("VID_28E9&PID_018A"), PrinterFamily::Q470},
        ArrivalCase{"Q470Printer", usbName("VID_0FE6&PID_8121"),
                    "DBT_DEVICEARRIVAL: " + usbName("VID_0FE6&PID_8121"), PrinterFamily::Q470},
        ArrivalCase{"Z3MCdc", usbName("VID_045B&PID_5310"),
                    "Z3M USB CDC Connected: VID_045B&PID_5310\n", PrinterFamily::Z3M},
        ArrivalCase{"Z3MPrinter", usbName("VID_045B&PID_5311"),
                    "Z3M USB PRN Connected: VID_045B&PID_5311\n", PrinterFamily::Z3M},
        ArrivalCase{"OtherDevice", usbName("VID_1234&PID_5678"),
                    "Device Connected: VID_1234&PID_5678\n", PrinterFamily::None},
        // Identifiers are compared whole and case-sensitively.
        ArrivalCase{"LowerCaseIdentifier", usbName("vid_045b&pid_5310"),
                    "Device Connected: vid_045b&pid_5310\n", PrinterFamily::None},
        ArrivalCase{"ShortInterfaceName", std::string("\\\\?\\HID"), "Device Connected: \n",
                    PrinterFamily::None},
        ArrivalCase{"NoInterfaceName", std::nullopt, "DBT_DEVICEARRIVAL", PrinterFamily::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeviceChangeTest, ArrivalDuringASearchOnlyRecordsTheFamily) {
  shell.start();  // the first search is armed, its first tick not yet run
  EXPECT_TRUE(event(device_event::kArrival, usbName("VID_28E9&PID_018A")));
  EXPECT_TRUE(shell.window().log().lines().empty());
  EXPECT_TRUE(shell.clock.sleeps().empty());
  EXPECT_EQ(shell.window().session().family, PrinterFamily::Q470);
}

TEST_F(DeviceChangeTest, ArrivalWhileOnlineStartsNothing) {
  startOnline();
  const std::size_t sleepsBefore = shell.clock.sleeps().size();
  EXPECT_TRUE(event(device_event::kArrival, usbName("VID_1234&PID_5678")));
  EXPECT_TRUE(shell.window().log().lines().empty());
  EXPECT_EQ(shell.clock.sleeps().size(), sleepsBefore);
  EXPECT_FALSE(shell.timers.isRunning(SearchWorkflow::kSearchTimer));
}

struct RemovalCase {
  const char* name;
  std::optional<std::string> interfaceName;
  std::string logLine;
};

class RemovalWhileOnlineTest : public DeviceChangeTest,
                               public testing::WithParamInterface<RemovalCase> {};

TEST_P(RemovalWhileOnlineTest, ClosesGoesOfflineAndSearchesAgain) {
  startOnline();
  EXPECT_TRUE(event(device_event::kRemoveComplete, GetParam().interfaceName));
  EXPECT_EQ(shell.window().log().lines(), (std::vector<ColouredText>{{0, GetParam().logLine}}));
  EXPECT_EQ(shell.link.closeCount(), 1);
  EXPECT_FALSE(shell.window().search().printerOnline);
  EXPECT_EQ(shell.window().session().family, PrinterFamily::Z3M);
  EXPECT_EQ(shell.dialog().text(kSearchButton), "Search Device");
  EXPECT_EQ(shell.dialog().text(kLinkTypeLabel), "USB type not found");
  EXPECT_EQ(shell.window().search().searchState, 1);
  // The printer is still there: the new search finds it.
  shell.runSearch();
  EXPECT_EQ(shell.link.openCount(), 2);
  EXPECT_EQ(shell.dialog().text(kSearchButton), "Set Offline");
}

INSTANTIATE_TEST_SUITE_P(
    Devices, RemovalWhileOnlineTest,
    testing::Values(RemovalCase{"Z3MPrinter", usbName("VID_045B&PID_5311"),
                                "Z3M PRN disconnected: VID_045B&PID_5311\n"},
                    RemovalCase{"Z3MCdc", usbName("VID_045B&PID_5310"),
                                "Z3M CDC disconnected: VID_045B&PID_5310\n"},
                    RemovalCase{"Q470", usbName("VID_28E9&PID_018A"),
                                "DBT_DEVICEREMOVECOMPLETE: " + usbName("VID_28E9&PID_018A")},
                    RemovalCase{"OtherDevice", usbName("VID_1234&PID_5678"),
                                "Device disconnected: VID_1234&PID_5678\n"},
                    RemovalCase{"NoInterfaceName", std::nullopt, "DBT_DEVICEREMOVECOMPLETE"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeviceChangeTest, RemovalOfThePrinterEndsWithNoDeviceWhenItIsGone) {
  startOnline();
  shell.link.detach();
  event(device_event::kRemoveComplete, usbName("VID_045B&PID_5311"));
  shell.runSearch();
  EXPECT_EQ(shell.dialog().text(kDeviceLabel), "No Device");
  EXPECT_TRUE(shell.dialog().isEnabled(kSearchButton));
}

TEST_F(DeviceChangeTest, OtherEventsAndRemovalWhileOfflineChangeNothing) {
  startOffline();
  const std::size_t sleepsBefore = shell.clock.sleeps().size();
  for (std::uint32_t code :
       {device_event::kRemoveComplete, device_event::kQueryRemove, device_event::kNodesChanged}) {
    EXPECT_TRUE(event(code, usbName("VID_045B&PID_5311"))) << code;
  }
  EXPECT_TRUE(shell.window().log().lines().empty());
  EXPECT_EQ(shell.clock.sleeps().size(), sleepsBefore);
  EXPECT_EQ(shell.window().session().family, PrinterFamily::None);
  EXPECT_FALSE(shell.timers.isRunning(SearchWorkflow::kSearchTimer));
}

}  // namespace
}  // namespace z3mq
