#include "legacy/z3m_network_page.h"

#include "legacy/z3m_network_page_template.h"

namespace z3mq {

using namespace z3m_network;

namespace {

constexpr std::uint8_t kStationMode = 1;
constexpr std::uint8_t kSoftAccessPointMode = 0;

}  // namespace

Z3MNetworkPage::Z3MNetworkPage() : dialog_(z3mNetworkPageTemplate()) {
  dialog_.select(kEthernetDhcpList, 0);
}

void Z3MNetworkPage::show(const ModuleInformation& module) {
  dialog_.setText(kModuleFirmware, module.firmwareVersion);
  dialog_.select(kWirelessModeList, module.wirelessMode);
  if (const auto* bluetooth = std::get_if<BluetoothModuleSettings>(&module.settings)) {
    showBluetooth(*bluetooth);
  } else {
    showWifi(module.wirelessMode, std::get<WifiModuleSettings>(module.settings));
  }
}

void Z3MNetworkPage::showBluetooth(const BluetoothModuleSettings& bluetooth) {
  dialog_.setText(kDeviceName, bluetooth.deviceName);
  dialog_.setText(kPinCode, bluetooth.pinCode);
  dialog_.setText(kDeviceAddress, bluetooth.deviceAddress);
  dialog_.setText(kBtAuth, bluetooth.authentication);
  dialog_.setText(kBtRssi, bluetooth.rssi);
}

void Z3MNetworkPage::showWifi(std::uint8_t mode, const WifiModuleSettings& wifi) {
  dialog_.setText(kSsid, wifi.ssid);
  dialog_.setText(kPassword, wifi.password);
  dialog_.select(kWifiDhcpList, wifi.dhcpMode);
  dialog_.setAddress(kWifiIp, wifi.ipAddress);
  dialog_.setAddress(kWifiGateway, wifi.gateway);
  dialog_.setAddress(kWifiSubnet, wifi.subnetMask);
  enableStationControls(mode == kStationMode);
  if (mode == kStationMode) {
    dialog_.setAddress(kDns1, wifi.dnsServer1.value_or(0));
    dialog_.setAddress(kDns2, wifi.dnsServer2.value_or(0));
  }
  dialog_.setText(kWifiMac, wifi.macAddress);
  dialog_.setText(kChannel, wifi.channel);
  if (mode == kSoftAccessPointMode) dialog_.select(kAuthList, wifi.authentication.value_or(0));
  dialog_.setText(kTxPower, wifi.transmitPower);
  if (mode == kStationMode) dialog_.setText(kRssi, wifi.rssi.value_or(""));
}

void Z3MNetworkPage::enableStationControls(bool station) {
  if (dialog_.isEnabled(kDns1Label) != station) {
    for (int id : {kDns1Label, kDns1, kDns2Label, kDns2}) dialog_.enable(id, station);
  }
  if (dialog_.isEnabled(kAuthLabel) == station) {
    for (int id : {kAuthLabel, kAuthList}) dialog_.enable(id, !station);
  }
  if (dialog_.isEnabled(kRssiLabel) != station) {
    for (int id : {kRssiLabel, kRssi, kRssiUnit}) dialog_.enable(id, station);
  }
}

void Z3MNetworkPage::show(const EthernetInformation& ethernet) {
  dialog_.setAddress(kEthernetIp, ethernet.ipAddress);
  dialog_.setAddress(kEthernetGateway, ethernet.gateway);
  dialog_.setAddress(kEthernetSubnet, ethernet.subnetMask);
  dialog_.setText(kLocalPort, ethernet.localPort);
  dialog_.setText(kEthernetMac, ethernet.macAddress);
}

}  // namespace z3mq
