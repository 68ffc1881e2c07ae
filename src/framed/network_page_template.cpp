#include "framed/network_page_template.h"

#include <string>
#include <vector>

#include "framed/codec/network_settings.h"
#include "framed/network_page_ids.h"
#include "framed/template_layout.h"

namespace z3mq {
namespace {

using namespace network_page;

// Label columns wide enough for the longest label of each group: "Device Address" in the
// Ethernet and Bluetooth groups, "Security protocol" in the Wi-Fi group. The narrower one leaves
// the hardware address texts their room.
constexpr int kLabelWidth = 58;
constexpr int kWifiLabelWidth = 70;

ControlTemplate list(int id, std::vector<std::string> items) {
  return {.id = id, .kind = ControlKind::DropDownList, .items = std::move(items)};
}

ControlTemplate address(int id, bool disabled = false) {
  return {.id = id, .kind = ControlKind::Ipv4Address, .style = {.disabled = disabled}};
}

// Its text comes from the page's fields when the page initialises.
ControlTemplate centredEdit(int id) {
  return {.id = id, .kind = ControlKind::Edit, .style = {.centred = true}};
}

ControlTemplate displayText(int id) {
  return {.id = id, .kind = ControlKind::Label, .text = std::string(kNoAddressText)};
}

void ethernet(std::vector<ControlTemplate>& c) {
  RowLayout rows(c, addGroupBox(c, "Ethernet Info", {6, 9, 154, 120}), RowLayout::Label::Left,
                 kLabelWidth);
  rows.row("DHCP mode", list(kEthernetDhcpMode, itemsOf(kDhcpModeItems)));
  rows.row("IP Address", address(kEthernetAddress));
  rows.row("Gateway IP", address(kEthernetGateway));
  rows.row("Subnet Mask", address(kEthernetSubnetMask));
  rows.row("Local Port", centredEdit(kLocalPort));
  rows.row("MAC Address", displayText(kEthernetMacAddress));
}

void wifi(std::vector<ControlTemplate>& c) {
  RowLayout rows(c, addGroupBox(c, "WIFI Info", {165, 8, 259, 169}), RowLayout::Label::Left,
                 kWifiLabelWidth);
  rows.row("Mode", list(kWifiMode, itemsOf(kWifiModeItems)));
  rows.row("SSID", centredEdit(kSsid));
  rows.row("Password", centredEdit(kPassword));
  rows.row("DHCP mode", list(kWifiDhcpMode, itemsOf(kDhcpModeItems)));
  rows.row("IP Address", address(kWifiAddress, true));
  rows.row("Gateway IP", address(kWifiGateway, true));
  rows.row("Subnet Mask", address(kWifiSubnetMask, true));
  rows.row("MAC Address", displayText(kWifiMacAddress));
  rows.row("Security protocol", list(kSecurityProtocol, itemsOf(kSecurityProtocolItems)), {},
           kSecurityProtocolLabel);
  rows.row("Encrytion", list(kEncryption, itemsOf(kEncryptionItems)), {}, kEncryptionLabel);
}

void bluetooth(std::vector<ControlTemplate>& c) {
  RowLayout rows(c, addGroupBox(c, "Bluetooth Info", {7, 135, 153, 72}), RowLayout::Label::Left,
                 kLabelWidth);
  rows.row("Device name", centredEdit(kDeviceName));
  rows.row("PIN-Code", centredEdit(kPinCode));
  rows.row("Device Address", displayText(kDeviceAddress));
}

}  // namespace

DialogTemplate networkPageTemplate() {
  DialogTemplate page{
      .id = kTemplateId, .widthDlu = 440, .heightDlu = 240, .font = {"MS Shell Dlg", 8}};
  ethernet(page.controls);
  wifi(page.controls);
  bluetooth(page.controls);
  return page;
}

}  // namespace z3mq
