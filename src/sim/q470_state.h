#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framed/codec/network_settings.h"
#include "framed/codec/print_settings.h"

namespace z3mq {

using HardwareAddress = std::array<std::uint8_t, 6>;

// What a Q470 printer says about itself. The second word of the firmware text is its network
// capability code ("V1.00 USEW": Ethernet and Wi-Fi).
struct Q470Identity {
  std::string modelName = "Q470";
  std::string firmwareVersion = "V1.00 USEW";
  std::string fontVersion = "KS5601 V1.0";
  std::string serialNumber = "Q470A0000001";
};

// The hardware addresses a Q470 printer reports; its settings hold them as text.
struct Q470Addresses {
  HardwareAddress ethernetMac{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
  HardwareAddress wifiMac{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5F};
  HardwareAddress bluetoothAddress{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x60};
};

struct Q470State {
  Q470Identity identity;
  PrintSettings printSettings;
  NetworkSettings network;
  Q470Addresses addresses;
};

}  // namespace z3mq
