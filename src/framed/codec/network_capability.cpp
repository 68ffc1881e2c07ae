#include "framed/codec/network_capability.h"

#include <array>

#include "framed/codec/network_encode.h"

namespace z3mq {
namespace {

struct CapabilityRow {
  std::string_view code;
  NetworkGroups groups;
};

constexpr std::array kCapabilities{
    CapabilityRow{"USE", {true, false, false}},  CapabilityRow{"USEW", {true, true, false}},
    CapabilityRow{"USEB", {true, false, true}},  CapabilityRow{"USSW", {false, true, false}},
    CapabilityRow{"USSB", {false, false, true}},
};

}  // namespace

NetworkGroups networkGroupsOf(std::string_view capabilityCode) {
  for (const CapabilityRow& row : kCapabilities) {
    if (row.code == capabilityCode) return row.groups;
  }
  return {};
}

FramedRequest readInterfaceRequest(NetworkInterface which) {
  return {FramedCode::ReadInterface, {static_cast<std::uint8_t>(which)}};
}

std::optional<FramedRequest> networkReadRequest(std::string_view capabilityCode) {
  const NetworkGroups groups = networkGroupsOf(capabilityCode);
  if (groups.ethernet) return readInterfaceRequest(NetworkInterface::Ethernet);
  if (groups.wifi) return readInterfaceRequest(NetworkInterface::Wifi);
  if (groups.bluetooth) return FramedRequest{FramedCode::ReadBluetoothSettings, {}};
  return std::nullopt;
}

std::vector<FramedRequest> networkWriteRequests(std::string_view capabilityCode,
                                                const NetworkSettings& settings) {
  const NetworkGroups groups = networkGroupsOf(capabilityCode);
  std::vector<FramedRequest> requests;
  if (groups.ethernet) requests.push_back(ethernetInterfaceWrite(settings));
  if (groups.wifi) {
    requests.push_back(wifiInterfaceWrite(settings));
    requests.push_back(wifiSettingsWrite(settings));
  }
  if (groups.bluetooth) requests.push_back(bluetoothSettingsWrite(settings));
  return requests;
}

}  // namespace z3mq
