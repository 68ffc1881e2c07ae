#include "framed/network_page.h"

#include <array>
#include <initializer_list>

#include "framed/codec/network_capability.h"
#include "framed/codec/network_checks.h"
#include "framed/codec/network_decode.h"
#include "framed/framed_request_sender.h"
#include "framed/network_page_ids.h"
#include "framed/network_page_template.h"

namespace z3mq {
namespace {

using namespace network_page;

// The controls of one IP interface.
struct InterfaceControls {
  int dhcpMode;
  std::array<int, 3> addresses;  // address, gateway, subnet mask
  int macAddress;
};

constexpr InterfaceControls kEthernet{kEthernetDhcpMode,
                                      {kEthernetAddress, kEthernetGateway, kEthernetSubnetMask},
                                      kEthernetMacAddress};
constexpr InterfaceControls kWifi{
    kWifiDhcpMode, {kWifiAddress, kWifiGateway, kWifiSubnetMask}, kWifiMacAddress};

// The editable controls of each group, in the order they are enabled.
constexpr std::array kEthernetGroup{kEthernetDhcpMode, kEthernetAddress, kEthernetGateway,
                                    kEthernetSubnetMask, kLocalPort};
constexpr std::array kWifiGroup{kWifiMode,    kSsid,        kPassword,       kWifiDhcpMode,
                                kWifiAddress, kWifiGateway, kWifiSubnetMask, kSecurityProtocol,
                                kEncryption};
constexpr std::array kBluetoothGroup{kDeviceName, kPinCode};

// The port the page holds, whatever is typed.
constexpr std::int32_t kFixedLocalPort = 9100;

template <std::size_t N>
void enableAll(Dialog& dialog, const std::array<int, N>& ids, bool enabled) {
  for (const int id : ids) dialog.enable(id, enabled);
}

IpInterfaceSettings interfaceValues(const Dialog& dialog, const InterfaceControls& controls) {
  return {dialog.selection(controls.dhcpMode), dialog.address(controls.addresses[0]),
          dialog.address(controls.addresses[1]), dialog.address(controls.addresses[2]),
          dialog.text(controls.macAddress)};
}

void showAddresses(Dialog& dialog, const InterfaceControls& controls,
                   const IpInterfaceSettings& values) {
  dialog.setAddress(controls.addresses[0], values.address);
  dialog.setAddress(controls.addresses[1], values.gateway);
  dialog.setAddress(controls.addresses[2], values.subnetMask);
}

}  // namespace

NetworkPage::NetworkPage(Link& link, MessageBoxService& messageBoxes)
    : link_(link),
      messageBoxes_(messageBoxes),
      dialog_(networkPageTemplate()),
      localPort_(NetworkSettings{}.localPort),
      ssid_(NetworkSettings{}.wifi.ssid),
      password_(NetworkSettings{}.wifi.password),
      deviceName_(NetworkSettings{}.bluetooth.deviceName),
      pinCode_(NetworkSettings{}.bluetooth.pinCode),
      fields_(dialog_, messageBoxes) {
  fields_.bindInteger(kLocalPort, localPort_);
  fields_.bindText(kSsid, ssid_);
  fields_.bindText(kPassword, password_);
  fields_.bindText(kDeviceName, deviceName_);
  fields_.bindText(kPinCode, pinCode_);
  fields_.writeToControls();

  const NetworkSettings start;
  dialog_.select(kEthernetDhcpMode, start.ethernet.dhcpMode);
  showAddresses(dialog_, kEthernet, start.ethernet);
  dialog_.select(kWifiMode, start.wifi.mode);
  dialog_.select(kWifiDhcpMode, start.wifi.ip.dhcpMode);
  showAddresses(dialog_, kWifi, start.wifi.ip);
  dialog_.select(kSecurityProtocol, start.wifi.securityProtocol);
  dialog_.select(kEncryption, start.wifi.encryption);

  dialog_.on(kEthernetDhcpMode, Notification::SelectionChanged, [this] { ethernetDhcpChanged(); });
  dialog_.on(kWifiDhcpMode, Notification::SelectionChanged, [this] { wifiDhcpChanged(); });
  dialog_.on(kLocalPort, Notification::EditChanged, [this] { localPortEdited(); });
  dialog_.on(kDeviceName, Notification::EditChanged, [this] { deviceNameEdited(); });
  for (const int id : {kSsid, kPassword, kPinCode}) {
    dialog_.on(id, Notification::EditChanged, [this] { exchangeFields(); });
  }
}

NetworkSettings NetworkPage::values() const {
  NetworkSettings settings;
  settings.ethernet = interfaceValues(dialog_, kEthernet);
  settings.localPort = localPort_;
  settings.wifi.ip = interfaceValues(dialog_, kWifi);
  settings.wifi.mode = dialog_.selection(kWifiMode);
  settings.wifi.securityProtocol = dialog_.selection(kSecurityProtocol);
  settings.wifi.encryption = dialog_.selection(kEncryption);
  settings.wifi.ssid = ssid_;
  settings.wifi.password = password_;
  settings.bluetooth.deviceName = deviceName_;
  settings.bluetooth.pinCode = pinCode_;
  settings.bluetooth.address = dialog_.text(kDeviceAddress);
  return settings;
}

void NetworkPage::applyNetworkCapability() {
  const std::string& code = link_.session().capabilityCode;
  const NetworkGroups groups = networkGroupsOf(code);
  enableAll(dialog_, kEthernetGroup, groups.ethernet);
  enableAll(dialog_, kWifiGroup, groups.wifi);
  enableAll(dialog_, kBluetoothGroup, groups.bluetooth);
  if (const auto request = networkReadRequest(code)) sendFramedRequest(link_, *request);
}

void NetworkPage::applyAnswer(FramedCode code, std::span<const std::uint8_t> payload) {
  NetworkSettings settings = values();
  switch (code) {
    case FramedCode::ReadInterface: {
      const bool ethernet = applyInterfaceAnswer(payload, settings) == NetworkInterface::Ethernet;
      const InterfaceControls& controls = ethernet ? kEthernet : kWifi;
      const IpInterfaceSettings& values = ethernet ? settings.ethernet : settings.wifi.ip;
      showAddresses(dialog_, controls, values);
      dialog_.select(controls.dhcpMode, values.dhcpMode);
      enableAll(dialog_, controls.addresses, values.dhcpMode == kStaticIp);
      dialog_.setText(controls.macAddress, values.macAddress);
      break;
    }
    case FramedCode::ReadWifiSettings:
      applyWifiSettingsAnswer(payload, settings);
      dialog_.select(kWifiMode, settings.wifi.mode);
      dialog_.select(kSecurityProtocol, settings.wifi.securityProtocol);
      dialog_.select(kEncryption, settings.wifi.encryption);
      showText(kSsid, ssid_, settings.wifi.ssid);
      showText(kPassword, password_, settings.wifi.password);
      break;
    case FramedCode::ReadBluetoothSettings:
      applyBluetoothSettingsAnswer(payload, settings);
      // The device name's text runs the length check.
      showText(kDeviceName, deviceName_, settings.bluetooth.deviceName);
      showText(kPinCode, pinCode_, settings.bluetooth.pinCode);
      break;
    case FramedCode::ReadBluetoothAddress:
      applyBluetoothAddressAnswer(payload, settings);
      dialog_.setText(kDeviceAddress, settings.bluetooth.address);
      break;
    default:
      break;
  }
}

void NetworkPage::showText(int controlId, std::string& copy, const std::string& text) {
  copy = text;
  dialog_.setText(controlId, copy);
}

void NetworkPage::ethernetDhcpChanged() {
  const bool staticIp = dialog_.selection(kEthernetDhcpMode) != 0;
  enableAll(dialog_, kEthernet.addresses, staticIp);
  if (staticIp) dialog_.setAddress(kEthernetAddress, NetworkSettings{}.ethernet.address);
}

void NetworkPage::wifiDhcpChanged() {
  enableAll(dialog_, kWifi.addresses, dialog_.selection(kWifiDhcpMode) != 0);
}

void NetworkPage::localPortEdited() {
  fields_.readFromControls();
  localPort_ = kFixedLocalPort;
  fields_.writeToControls();
}

void NetworkPage::deviceNameEdited() {
  fields_.readFromControls();
  // Every failing check says so; nothing is corrected.
  for (const std::string_view message : deviceNameCheckFailures(values())) {
    messageBoxes_.show(std::string(message));
  }
  fields_.writeToControls();
}

void NetworkPage::exchangeFields() {
  fields_.readFromControls();
  fields_.writeToControls();
}

}  // namespace z3mq
