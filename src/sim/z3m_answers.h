#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "legacy/codec/ethernet_information.h"
#include "legacy/codec/information.h"
#include "legacy/codec/menu_block.h"
#include "legacy/codec/module_information.h"

namespace z3mq {

// Legacy packets a Z3M printer sends, laid out so that the legacy codec's readers give back
// the values they were built from. Texts are counted strings, one byte per character; a text
// longer than 255 bytes is cut there.

// 69 00: model, firmware, update date, serial, the hidden item, partition and, when present,
// the two font versions (a missing version goes as an empty item, which reads as not installed).
std::vector<std::uint8_t> informationResponse(const PrinterInformation& info,
                                              std::string_view hiddenItem);

// 69 FF 09 and the nine menu bytes.
std::vector<std::uint8_t> menuSwitchResponse(const MenuBlock& block);

// 73 FF 06 when accepted, 73 FF 15 when refused.
std::vector<std::uint8_t> setResponse(bool accepted);

// FF: the printer says it is there.
std::vector<std::uint8_t> presenceResponse();

// 69 01: the wireless or Bluetooth module. Hardware addresses are sent as twelve hexadecimal
// digits ("00-1A-..." loses its separators).
std::vector<std::uint8_t> moduleInformationResponse(const ModuleInformation& module);

// 69 02: the Ethernet interface; the MAC address goes as given.
std::vector<std::uint8_t> ethernetInformationResponse(const EthernetInformation& ethernet);

}  // namespace z3mq
