#include "sim/z3m_answers.h"

#include <algorithm>
#include <string>

#include "codec/text.h"
#include "legacy/codec/packet.h"

namespace z3mq {

namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;

// The body of a response, item by item.
class ItemWriter {
 public:
  explicit ItemWriter(std::uint8_t subCode) : body_{subCode} {}

  ItemWriter& byte(std::uint8_t value) {
    body_.push_back(value);
    return *this;
  }

  ItemWriter& text(std::string_view utf8) {
    std::vector<std::uint8_t> bytes = utf8ToAnsi(utf8);
    bytes.resize(std::min<std::size_t>(bytes.size(), 0xFF));
    body_.push_back(static_cast<std::uint8_t>(bytes.size()));
    body_.insert(body_.end(), bytes.begin(), bytes.end());
    return *this;
  }

  ItemWriter& dottedAddress(std::uint32_t address) {
    return text(std::to_string(address >> 24) + '.' + std::to_string(address >> 16 & 0xFF) + '.' +
                std::to_string(address >> 8 & 0xFF) + '.' + std::to_string(address & 0xFF));
  }

  ItemWriter& hexAddress(std::string_view shown) {
    std::string digits(shown);
    std::erase(digits, '-');
    return text(digits);
  }

  std::vector<std::uint8_t> packet(std::uint8_t command) const {
    return buildLegacyPacket(command, body_);
  }

 private:
  std::vector<std::uint8_t> body_;
};

void writeWifi(ItemWriter& items, const WifiModuleSettings& wifi, std::uint8_t mode) {
  const bool station = mode == static_cast<std::uint8_t>(WirelessMode::Station);
  const bool accessPoint = mode == static_cast<std::uint8_t>(WirelessMode::SoftAccessPoint);
  items.text(wifi.ssid).text(wifi.password).byte(0).byte(wifi.dhcpMode);
  items.dottedAddress(wifi.ipAddress).dottedAddress(wifi.gateway).dottedAddress(wifi.subnetMask);
  if (station) {
    items.dottedAddress(wifi.dnsServer1.value_or(0)).dottedAddress(wifi.dnsServer2.value_or(0));
  }
  items.hexAddress(wifi.macAddress).text(wifi.channel);
  if (accessPoint) items.byte(0).byte(wifi.authentication.value_or(0));
  items.text(wifi.transmitPower);
  if (station) items.text(wifi.rssi.value_or(""));
}

void writeBluetooth(ItemWriter& items, const BluetoothModuleSettings& bt) {
  items.text(bt.deviceName).text(bt.pinCode).hexAddress(bt.deviceAddress);
  items.text(bt.authentication).text(bt.rssi);
}

}  // namespace

std::vector<std::uint8_t> informationResponse(const PrinterInformation& info,
                                              std::string_view hiddenItem) {
  ItemWriter items(kLegacyIdentitySubCode);
  items.text(info.modelName).text(info.firmwareVersion).text(info.updateDate);
  items.text(info.serialNumber).text(hiddenItem).text(info.partition);
  if (info.fontVersions) {
    items.text(info.fontVersions->singleByte.value_or(""));
    items.text(info.fontVersions->doubleByte.value_or(""));
  }
  return items.packet(kLegacyInformationResponseCommand);
}

std::vector<std::uint8_t> menuSwitchResponse(const MenuBlock& block) {
  ItemWriter items(kLegacyMenuSubCode);
  items.byte(static_cast<std::uint8_t>(block.size()));
  for (const std::uint8_t menuByte : block) items.byte(menuByte);
  return items.packet(kLegacyInformationResponseCommand);
}

std::vector<std::uint8_t> setResponse(bool accepted) {
  return ItemWriter(kLegacyMenuSubCode)
      .byte(accepted ? kAck : kNak)
      .packet(kLegacySetResponseCommand);
}

std::vector<std::uint8_t> presenceResponse() {
  return buildLegacyPacket(kLegacyPresenceResponseCommand, {});
}

std::vector<std::uint8_t> moduleInformationResponse(const ModuleInformation& module) {
  ItemWriter items(kLegacyModuleSubCode);
  items.text(module.firmwareVersion).byte(0).byte(module.wirelessMode);
  if (const auto* bt = std::get_if<BluetoothModuleSettings>(&module.settings)) {
    writeBluetooth(items, *bt);
  } else {
    writeWifi(items, std::get<WifiModuleSettings>(module.settings), module.wirelessMode);
  }
  return items.packet(kLegacyInformationResponseCommand);
}

std::vector<std::uint8_t> ethernetInformationResponse(const EthernetInformation& ethernet) {
  ItemWriter items(kLegacyEthernetSubCode);
  items.byte(0).byte(0);
  items.dottedAddress(ethernet.ipAddress).dottedAddress(ethernet.gateway);
  items.dottedAddress(ethernet.subnetMask).text(ethernet.localPort).text(ethernet.macAddress);
  return items.packet(kLegacyInformationResponseCommand);
}

}  // namespace z3mq
