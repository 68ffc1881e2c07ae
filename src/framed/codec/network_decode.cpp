#include "framed/codec/network_decode.h"

#include "framed/codec/payload_bytes.h"
#include "framed/codec/wire_codes.h"

namespace z3mq {
namespace {

constexpr std::size_t kAddressSize = 6;

}  // namespace

std::string hardwareAddressText(std::span<const std::uint8_t> bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const PayloadReader reader(bytes);
  std::string text;
  for (std::size_t i = 0; i < kAddressSize; ++i) {
    if (i > 0) text += '-';
    text += kHex[reader.u8(i) >> 4];
    text += kHex[reader.u8(i) & 0x0F];
  }
  return text;
}

NetworkInterface applyInterfaceAnswer(std::span<const std::uint8_t> payload,
                                      NetworkSettings& settings) {
  const PayloadReader answer(payload);
  const auto which = answer.u8(0) == 0 ? NetworkInterface::Ethernet : NetworkInterface::Wifi;
  IpInterfaceSettings& ip =
      which == NetworkInterface::Ethernet ? settings.ethernet : settings.wifi.ip;
  ip.address = answer.be32(1);
  ip.gateway = answer.be32(5);
  ip.subnetMask = answer.be32(9);
  ip.dhcpMode = answer.u8(15) == 0 ? kStaticIp : 0;
  ip.macAddress = hardwareAddressText(answer.bytes(16, kAddressSize));
  return which;
}

void applyWifiSettingsAnswer(std::span<const std::uint8_t> payload, NetworkSettings& settings) {
  const PayloadReader answer(payload);
  WifiSettings& wifi = settings.wifi;
  wifi.mode = indexOfCode(kWifiModeCodes, answer.u8(0));
  wifi.securityProtocol = indexOfCode(kSecurityProtocolCodes, answer.u8(1));
  wifi.encryption = indexOfCode(kEncryptionCodes, answer.u8(2));
  const std::size_t ssidLength = answer.u8(3);
  wifi.ssid = answer.text(5, ssidLength);
  wifi.password = answer.text(5 + ssidLength, answer.u8(4));
}

void applyBluetoothSettingsAnswer(std::span<const std::uint8_t> payload,
                                  NetworkSettings& settings) {
  const PayloadReader answer(payload);
  const std::size_t nameLength = answer.u8(0);
  settings.bluetooth.deviceName = answer.text(2, nameLength);
  settings.bluetooth.pinCode = answer.text(2 + nameLength, answer.u8(1));
}

void applyBluetoothAddressAnswer(std::span<const std::uint8_t> payload, NetworkSettings& settings) {
  settings.bluetooth.address = hardwareAddressText(payload);
}

}  // namespace z3mq
