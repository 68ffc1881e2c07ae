#include "legacy/codec/module_information.h"

#include "legacy/codec/item_reader.h"

namespace z3mq {

namespace {

constexpr std::uint8_t mode(WirelessMode m) {
  return static_cast<std::uint8_t>(m);
}

BluetoothModuleSettings readBluetooth(LegacyItemReader& items) {
  BluetoothModuleSettings bt;
  bt.deviceName = items.text();
  bt.pinCode = items.text();
  bt.deviceAddress = items.hexAddress();
  bt.authentication = items.text();
  bt.rssi = items.text();
  return bt;
}

WifiModuleSettings readWifi(LegacyItemReader& items, std::uint8_t wirelessMode) {
  const bool station = wirelessMode == mode(WirelessMode::Station);
  const bool accessPoint = wirelessMode == mode(WirelessMode::SoftAccessPoint);
  WifiModuleSettings wifi;
  wifi.ssid = items.text();
  wifi.password = items.text();
  items.byte();  // not interpreted
  wifi.dhcpMode = items.byte();
  wifi.ipAddress = items.dottedAddress();
  wifi.gateway = items.dottedAddress();
  wifi.subnetMask = items.dottedAddress();
  if (station) {
    wifi.dnsServer1 = items.dottedAddress();
    wifi.dnsServer2 = items.dottedAddress();
  }
  wifi.macAddress = items.hexAddress();
  wifi.channel = items.text();
  if (accessPoint) {
    items.byte();  // not interpreted
    wifi.authentication = items.byte();
  }
  wifi.transmitPower = items.text();
  if (station) wifi.rssi = items.text();
  return wifi;
}

}  // namespace

ModuleInformation readModuleInformationResponse(std::span<const std::uint8_t> packet) {
  LegacyItemReader items(packet);
  ModuleInformation info;
  info.firmwareVersion = items.text();
  items.byte();  // not interpreted
  info.wirelessMode = items.byte();
  if (info.wirelessMode == mode(WirelessMode::BluetoothClassic) ||
      info.wirelessMode == mode(WirelessMode::BluetoothClassicBle)) {
    info.settings = readBluetooth(items);
  } else {
    info.settings = readWifi(items, info.wirelessMode);
  }
  return info;
}

}  // namespace z3mq
