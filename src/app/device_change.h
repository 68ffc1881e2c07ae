#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "link/device_event.h"

namespace z3mq {

class ActivityLog;
class Clock;
class Dialog;
class Link;
struct SearchFields;

// "DBT_DEVICEARRIVAL" and its kind for the known event codes, "Event type <decimal>" otherwise.
std::string deviceEventName(std::uint32_t code);

// The 17-character device identifier (such as VID_045B&PID_5310) that begins at `position` of an
// event line; shorter, or empty, when the line ends first.
std::string_view deviceIdentifierAt(std::string_view eventLine, std::size_t position);

// Device arrivals and removals: records the family of an arriving printer, logs the event, and
// searches when a device arrives while no printer is online, or goes offline and searches again
// when a device goes away while one is online. Runs on the UI thread.
class DeviceChangeHandler {
 public:
  DeviceChangeHandler(Link& link, SearchFields& search, Dialog& mainWindow, ActivityLog& log,
                      Clock& clock, std::function<void()> searchDevice);

  // True for every event, so that a query for permission to remove a device is granted.
  bool onDeviceChange(const DeviceEvent& event);

 private:
  void onArrival(std::string eventLine, bool hasInterfaceName);
  void onRemoval(std::string eventLine, bool hasInterfaceName);

  Link& link_;
  SearchFields& search_;
  Dialog& mainWindow_;
  ActivityLog& log_;
  Clock& clock_;
  std::function<void()> searchDevice_;
};

}  // namespace z3mq
