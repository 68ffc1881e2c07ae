#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace z3mq {

// Item lists of the Q470 network page, in index order.
inline constexpr std::array<std::string_view, 2> kDhcpModeItems{"Dynamic IP", "Static IP"};
inline constexpr std::array<std::string_view, 2> kWifiModeItems{"STA", "AP"};
inline constexpr std::array<std::string_view, 3> kSecurityProtocolItems{"OPEN", "WPA_PSK",
                                                                        "WPA2_PSK"};
inline constexpr std::array<std::string_view, 2> kEncryptionItems{"AES", "TPIK"};

// Wire codes of the Wi-Fi lists, by list index.
inline constexpr std::array<std::uint8_t, 2> kWifiModeCodes{0x55, 0xAA};
inline constexpr std::array<std::uint8_t, 3> kSecurityProtocolCodes{0x00, 0x33, 0x55};
inline constexpr std::array<std::uint8_t, 2> kEncryptionCodes{0x77, 0x00};

// The interface byte of interface records: 00 Ethernet, 01 Wi-Fi.
enum class NetworkInterface : std::uint8_t { Ethernet = 0x00, Wifi = 0x01 };

// Index of 'Static IP', the DHCP mode in which the address fields are edited.
inline constexpr int kStaticIp = 1;

// What a MAC or Bluetooth address shows until a printer has sent one.
inline constexpr std::string_view kNoAddressText = "   -   -   -   -   ";

// An IPv4 address with its first octet most significant.
constexpr std::uint32_t ipv4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
  return std::uint32_t{a} << 24 | std::uint32_t{b} << 16 | std::uint32_t{c} << 8 | d;
}

struct IpInterfaceSettings {
  int dhcpMode = 0;
  std::uint32_t address = 0;
  std::uint32_t gateway = 0;
  std::uint32_t subnetMask = 0;
  std::string macAddress{kNoAddressText};

  bool operator==(const IpInterfaceSettings&) const = default;
};

struct WifiSettings {
  IpInterfaceSettings ip{0, ipv4(192, 168, 192, 1), ipv4(192, 168, 192, 1), ipv4(255, 255, 255, 0)};
  int mode = 0;
  int securityProtocol = 1;
  int encryption = 0;
  std::string ssid = "Q470_PRINTER_000000";
  std::string password = "58203917";

  bool operator==(const WifiSettings&) const = default;
};

struct BluetoothSettings {
  std::string deviceName = "Q470_PRINTER_000000";
  std::string pinCode = "0863";
  std::string address{kNoAddressText};

  bool operator==(const BluetoothSettings&) const = default;
};

// Every value of the Q470 network page; a default-constructed value is the page's start state.
// Texts are UTF-8.
struct NetworkSettings {
  IpInterfaceSettings ethernet{0, ipv4(192, 168, 10, 10), ipv4(192, 168, 10, 1),
                               ipv4(255, 255, 255, 0)};
  // The page holds the Ethernet local port at 9100; no answer changes it.
  std::int32_t localPort = 9100;
  WifiSettings wifi;
  BluetoothSettings bluetooth;

  bool operator==(const NetworkSettings&) const = default;
};

}  // namespace z3mq
