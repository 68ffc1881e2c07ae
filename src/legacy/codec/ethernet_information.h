#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace z3mq {

// The Ethernet interface of a Z3M printer (response 69 02). Addresses have the first octet in
// the most significant byte.
struct EthernetInformation {
  std::uint32_t ipAddress = 0;
  std::uint32_t gateway = 0;
  std::uint32_t subnetMask = 0;
  std::string localPort;   // decimal text, shown as sent
  std::string macAddress;  // shown as sent, not reformatted

  bool operator==(const EthernetInformation&) const = default;
};

EthernetInformation readEthernetInformationResponse(std::span<const std::uint8_t> packet);

}  // namespace z3mq
