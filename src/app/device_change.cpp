#include "app/device_change.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>

#include "app/activity_log.h"
#include "app/main_window_controls.h"
#include "link/link.h"
#include "ui/clock.h"
#include "ui/dialog.h"

namespace z3mq {

using namespace std::chrono_literals;

namespace {

struct EventName {
  std::uint32_t code;
  std::string_view name;
};

constexpr std::array<EventName, 12> kEventNames{{
    {0x0007, "DBT_DEVNODES_CHANGED"},
    {0x0017, "DBT_QUERYCHANGECONFIG"},
    {0x0018, "DBT_CONFIGCHANGED"},
    {0x0019, "DBT_CONFIGCHANGECANCELED"},
    {0x8000, "DBT_DEVICEARRIVAL"},
    {0x8001, "DBT_DEVICEQUERYREMOVE"},
    {0x8002, "DBT_DEVICEQUERYREMOVEFAILED"},
    {0x8003, "DBT_DEVICEREMOVEPENDING"},
    {0x8004, "DBT_DEVICEREMOVECOMPLETE"},
    {0x8005, "DBT_DEVICETYPESPECIFIC"},
    {0x8006, "DBT_CUSTOMEVENT"},
    {0xFFFF, "DBT_USERDEFINED"},
}};

constexpr std::size_t kIdentifierLength = 17;
// Where the identifier starts in an event line: the event name, ": " and the eight characters
// "\\?\USB#" come before it.
constexpr std::size_t kArrivalIdentifierAt = 27;
constexpr std::size_t kRemovalIdentifierAt = 34;

// The log lines of a device; no prefix keeps the event line as it is.
struct DeviceLines {
  std::optional<std::string_view> arrivalPrefix;
  std::optional<std::string_view> removalPrefix;
};

struct PrinterLines {
  PrinterFamily family;
  LinkKind linkKind;
  DeviceLines lines;
};

constexpr std::array<PrinterLines, 4> kPrinterLines{{
    {PrinterFamily::Z3M,
     LinkKind::SerialEmulate,
     {"Z3M USB CDC Connected: ", "Z3M CDC disconnected: "}},
    {PrinterFamily::Z3M,
     LinkKind::ActualUsb,
     {"Z3M USB PRN Connected: ", "Z3M PRN disconnected: "}},
    {PrinterFamily::Q470, LinkKind::SerialEmulate, {std::nullopt, std::nullopt}},
    {PrinterFamily::Q470, LinkKind::ActualUsb, {std::nullopt, std::nullopt}},
}};
constexpr DeviceLines kOtherDeviceLines{"Device Connected: ", "Device disconnected: "};

const DeviceLines& linesOf(const PrinterModel* model) {
  if (model == nullptr) return kOtherDeviceLines;
  const auto it = std::find_if(kPrinterLines.begin(), kPrinterLines.end(), [model](const auto& p) {
    return p.family == model->family && p.linkKind == model->linkKind;
  });
  return it->lines;
}

std::string withIdentifier(std::optional<std::string_view> prefix, std::string_view identifier,
                           std::string eventLine) {
  if (!prefix) return eventLine;
  return std::string(*prefix).append(identifier).append("\n");
}

}  // namespace

std::string deviceEventName(std::uint32_t code) {
  const auto it = std::find_if(kEventNames.begin(), kEventNames.end(),
                               [code](const EventName& e) { return e.code == code; });
  if (it != kEventNames.end()) return std::string(it->name);
  // The event code is a WPARAM printed with %d.
  return "Event type " + std::to_string(static_cast<std::int32_t>(code));
}

std::string_view deviceIdentifierAt(std::string_view eventLine, std::size_t position) {
  return eventLine.substr(std::min(position, eventLine.size()), kIdentifierLength);
}

DeviceChangeHandler::DeviceChangeHandler(Link& link, SearchFields& search, Dialog& mainWindow,
                                         ActivityLog& log, Clock& clock,
                                         std::function<void()> searchDevice)
    : link_(link),
      search_(search),
      mainWindow_(mainWindow),
      log_(log),
      clock_(clock),
      searchDevice_(std::move(searchDevice)) {}

bool DeviceChangeHandler::onDeviceChange(const DeviceEvent& event) {
  std::string eventLine = deviceEventName(event.code);
  const bool hasInterfaceName = event.interfaceName.has_value();
  if (hasInterfaceName) eventLine += ": " + *event.interfaceName;
  if (event.code == device_event::kArrival) onArrival(std::move(eventLine), hasInterfaceName);
  if (event.code == device_event::kRemoveComplete) {
    onRemoval(std::move(eventLine), hasInterfaceName);
  }
  return true;
}

void DeviceChangeHandler::onArrival(std::string eventLine, bool hasInterfaceName) {
  if (hasInterfaceName) {
    const std::string identifier(deviceIdentifierAt(eventLine, kArrivalIdentifierAt));
    const PrinterModel* model = findPrinterModelByDeviceId(identifier);
    if (model != nullptr) link_.session().family = model->family;
    eventLine = withIdentifier(linesOf(model).arrivalPrefix, identifier, std::move(eventLine));
  }
  if (search_.printerOnline || search_.searchState != 0) return;
  log_.append(0, eventLine);
  // Let the new device settle before it is searched for.
  clock_.sleepFor(300ms);
  searchDevice_();
}

void DeviceChangeHandler::onRemoval(std::string eventLine, bool hasInterfaceName) {
  if (hasInterfaceName) {
    const std::string identifier(deviceIdentifierAt(eventLine, kRemovalIdentifierAt));
    eventLine = withIdentifier(linesOf(findPrinterModelByDeviceId(identifier)).removalPrefix,
                               identifier, std::move(eventLine));
  }
  if (!search_.printerOnline) return;
  log_.append(0, eventLine);
  if (link_.session().opened != 0) {
    link_.close();
    search_.printerOnline = false;
  }
  mainWindow_.setText(main_window::kSearchButton, "Search Device");
  mainWindow_.setText(main_window::kDeviceLabel, "No Device");
  mainWindow_.setText(main_window::kLinkTypeLabel, "USB type not found");
  searchDevice_();
}

}  // namespace z3mq
