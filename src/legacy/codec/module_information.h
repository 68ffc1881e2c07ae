#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace z3mq {

// Settings of the module in Wi-Fi modes (every mode but 2 and 3). Texts are UTF-8; addresses
// have the first octet in the most significant byte.
struct WifiModuleSettings {
  std::string ssid;
  std::string password;
  std::uint8_t dhcpMode = 0;  // 0 dynamic, 1 static: the index in the DHCP mode list
  std::uint32_t ipAddress = 0;
  std::uint32_t gateway = 0;
  std::uint32_t subnetMask = 0;
  std::optional<std::uint32_t> dnsServer1;  // station mode only
  std::optional<std::uint32_t> dnsServer2;  // station mode only
  std::string macAddress;                   // "00-11-22-33-44-AA"
  std::string channel;
  std::optional<std::uint8_t> authentication;  // soft access point only: index in the Auth. list
  std::string transmitPower;                   // dBm
  std::optional<std::string> rssi;             // station mode only, dBm

  bool operator==(const WifiModuleSettings&) const = default;
};

// Settings of the module in the Bluetooth modes 2 and 3.
struct BluetoothModuleSettings {
  std::string deviceName;
  std::string pinCode;
  std::string deviceAddress;  // "00-11-22-33-44-AA"
  std::string authentication;
  std::string rssi;  // dBm

  bool operator==(const BluetoothModuleSettings&) const = default;
};

enum class WirelessMode : std::uint8_t {
  SoftAccessPoint = 0,
  Station = 1,
  BluetoothClassic = 2,
  BluetoothClassicBle = 3,
};

// The wireless or Bluetooth module of a Z3M printer (response 69 01).
struct ModuleInformation {
  std::string firmwareVersion;
  // As sent: the index in the wireless mode list; values above 3 are read as Wi-Fi without the
  // extras of modes 0 and 1.
  std::uint8_t wirelessMode = 0;
  std::variant<WifiModuleSettings, BluetoothModuleSettings> settings;

  bool operator==(const ModuleInformation&) const = default;
};

ModuleInformation readModuleInformationResponse(std::span<const std::uint8_t> packet);

}  // namespace z3mq
