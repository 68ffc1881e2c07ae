#include "framed/codec/network_encode.h"

#include <algorithm>

#include "codec/text.h"
#include "framed/codec/payload_bytes.h"
#include "framed/codec/wire_codes.h"

namespace z3mq {
namespace {

std::vector<std::uint8_t> interfaceRecord(NetworkInterface which, const IpInterfaceSettings& ip,
                                          std::uint8_t portFirst, std::uint8_t portSecond) {
  std::vector<std::uint8_t> record{static_cast<std::uint8_t>(which)};
  appendBe32(record, ip.address);
  appendBe32(record, ip.gateway);
  appendBe32(record, ip.subnetMask);
  record.push_back(portFirst);
  record.push_back(portSecond);
  record.push_back(ip.dhcpMode == 0 ? 0x01 : 0x00);
  return record;
}

// Texts travel one byte per character, so the byte count is the character count the length
// checks passed. A count byte cannot say more than 255; the text is cut there so that the
// record stays consistent even for a caller that skipped the checks.
struct CountedTexts {
  std::vector<std::uint8_t> first;
  std::vector<std::uint8_t> second;
};

CountedTexts countedTexts(std::string_view first, std::string_view second) {
  constexpr std::size_t kMaxCount = 0xFF;
  CountedTexts texts{utf8ToAnsi(first), utf8ToAnsi(second)};
  texts.first.resize(std::min(texts.first.size(), kMaxCount));
  texts.second.resize(std::min(texts.second.size(), kMaxCount));
  return texts;
}

void appendCountedTexts(std::vector<std::uint8_t>& out, const CountedTexts& texts) {
  out.push_back(static_cast<std::uint8_t>(texts.first.size()));
  out.push_back(static_cast<std::uint8_t>(texts.second.size()));
  out.insert(out.end(), texts.first.begin(), texts.first.end());
  out.insert(out.end(), texts.second.begin(), texts.second.end());
}

}  // namespace

FramedRequest ethernetInterfaceWrite(const NetworkSettings& settings) {
  const auto port = static_cast<std::uint16_t>(settings.localPort);
  return {FramedCode::WriteInterface,
          interfaceRecord(NetworkInterface::Ethernet, settings.ethernet,
                          static_cast<std::uint8_t>(port >> 8), static_cast<std::uint8_t>(port))};
}

FramedRequest wifiInterfaceWrite(const NetworkSettings& settings) {
  return {FramedCode::WriteInterface,
          interfaceRecord(NetworkInterface::Wifi, settings.wifi.ip, 0x8C, 0x23)};
}

FramedRequest wifiSettingsWrite(const NetworkSettings& settings) {
  const WifiSettings& wifi = settings.wifi;
  std::vector<std::uint8_t> payload{
      codeOfIndex(kWifiModeCodes, wifi.mode, 1),
      codeOfIndex(kSecurityProtocolCodes, wifi.securityProtocol),
      codeOfIndex(kEncryptionCodes, wifi.encryption),
  };
  appendCountedTexts(payload, countedTexts(wifi.ssid, wifi.password));
  return {FramedCode::WriteWifiSettings, std::move(payload)};
}

FramedRequest bluetoothSettingsWrite(const NetworkSettings& settings) {
  std::vector<std::uint8_t> payload;
  appendCountedTexts(payload,
                     countedTexts(settings.bluetooth.deviceName, settings.bluetooth.pinCode));
  return {FramedCode::WriteBluetoothSettings, std::move(payload)};
}

}  // namespace z3mq
