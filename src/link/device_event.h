#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace z3mq {

// Device-change event codes, as the device notification handler names them.
namespace device_event {
inline constexpr std::uint32_t kNodesChanged = 0x0007;
inline constexpr std::uint32_t kArrival = 0x8000;
inline constexpr std::uint32_t kQueryRemove = 0x8001;
inline constexpr std::uint32_t kRemoveComplete = 0x8004;
}  // namespace device_event

// An arrival or removal of a device. interfaceName is present for device-interface events, in
// the Windows form "\\?\USB#VID_28E9&PID_018A#<instance>#{class}".
struct DeviceEvent {
  std::uint32_t code = 0;
  std::optional<std::string> interfaceName;
};

}  // namespace z3mq
