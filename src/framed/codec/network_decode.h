#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "framed/codec/network_settings.h"

namespace z3mq {

// Each applies one answer payload onto the page values. Texts are cut at the end of the payload
// and at their first zero byte, and shown whole; missing fixed bytes read as zero.

// ReadInterface: the interface byte picks Ethernet (zero) or Wi-Fi (any other value), whose
// addresses, DHCP mode and MAC address the answer fills. Returns the interface it filled.
NetworkInterface applyInterfaceAnswer(std::span<const std::uint8_t> payload,
                                      NetworkSettings& settings);

// ReadWifiSettings: mode, security protocol, encryption, SSID and password.
void applyWifiSettingsAnswer(std::span<const std::uint8_t> payload, NetworkSettings& settings);

// ReadBluetoothSettings: device name and PIN code.
void applyBluetoothSettingsAnswer(std::span<const std::uint8_t> payload, NetworkSettings& settings);

// ReadBluetoothAddress: the six address bytes.
void applyBluetoothAddressAnswer(std::span<const std::uint8_t> payload, NetworkSettings& settings);

// "00-1A-2B-3C-4D-5E": six bytes in received order, missing bytes as 00.
std::string hardwareAddressText(std::span<const std::uint8_t> bytes);

}  // namespace z3mq
