#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "framed/codec/network_settings.h"
#include "framed/codec/print_settings.h"
#include "sim/q470_state.h"

namespace z3mq {

// Answer payloads of a Q470 printer, laid out so that the framed codec's decoders give back
// the values they were built from. A value the answer cannot carry (a list index outside its
// list) is sent as a byte that the host shows as no selection where the layout has one, and as
// the first item otherwise.

// Identity answers: a 16-bit little-endian length, then the text one byte per character.
std::vector<std::uint8_t> informationTextPayload(std::string_view utf8Text);

// ReadPrintSettings, 16 bytes.
std::vector<std::uint8_t> printSettingsAnswer(const PrintSettings& settings);
// ReadPaperSaving, 5 bytes.
std::vector<std::uint8_t> paperSavingAnswer(const PrintSettings& settings);
// ReadSettingItems, 42 bytes.
std::vector<std::uint8_t> settingItemsAnswer(const PrintSettings& settings);
// ReadBlackMark, 14 bytes.
std::vector<std::uint8_t> blackMarkAnswer(const PrintSettings& settings);

// ReadInterface: the 16-byte interface record the host writes, then the 6-byte MAC address.
std::vector<std::uint8_t> interfaceAnswer(NetworkInterface which, const NetworkSettings& network,
                                          const HardwareAddress& mac);
// ReadWifiSettings and ReadBluetoothSettings carry the records the host writes.
std::vector<std::uint8_t> wifiSettingsAnswer(const NetworkSettings& network);
std::vector<std::uint8_t> bluetoothSettingsAnswer(const NetworkSettings& network);

}  // namespace z3mq
