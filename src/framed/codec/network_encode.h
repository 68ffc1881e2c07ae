#pragma once

#include "framed/codec/frame.h"
#include "framed/codec/network_settings.h"

namespace z3mq {

// WriteInterface for Ethernet: 00, address, gateway, mask (first octet first), the local port
// high byte first, DHCP (01 for 'Dynamic IP', 00 otherwise). 16 bytes.
FramedRequest ethernetInterfaceWrite(const NetworkSettings& settings);

// WriteInterface for Wi-Fi: as Ethernet with 01 first and the port always 8C 23 (9100 low byte
// first, unlike Ethernet).
FramedRequest wifiInterfaceWrite(const NetworkSettings& settings);

// WriteWifiSettings: mode, security, encryption, SSID length, password length, SSID, password.
FramedRequest wifiSettingsWrite(const NetworkSettings& settings);

// WriteBluetoothSettings: name length, PIN length, name, PIN.
FramedRequest bluetoothSettingsWrite(const NetworkSettings& settings);

}  // namespace z3mq
