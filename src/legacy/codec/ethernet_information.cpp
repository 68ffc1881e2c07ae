#include "legacy/codec/ethernet_information.h"

#include "legacy/codec/item_reader.h"

namespace z3mq {

EthernetInformation readEthernetInformationResponse(std::span<const std::uint8_t> packet) {
  LegacyItemReader items(packet);
  items.byte();  // two bytes not interpreted
  items.byte();
  EthernetInformation info;
  info.ipAddress = items.dottedAddress();
  info.gateway = items.dottedAddress();
  info.subnetMask = items.dottedAddress();
  info.localPort = items.text();
  info.macAddress = items.text();
  return info;
}

}  // namespace z3mq
