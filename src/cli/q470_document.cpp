#include "cli/q470_document.h"

#include <array>
#include <span>
#include <string_view>

#include "codec/text.h"
#include "framed/codec/print_setting_lists.h"

namespace z3mq {
namespace {

constexpr auto kCodePageTexts = [] {
  std::array<std::string_view, kCodePages.size()> texts{};
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = kCodePages[i].text;
  return texts;
}();

// One list of the printing page, under its group box and label.
struct ListField {
  std::string_view group;
  std::string_view label;
  std::span<const std::string_view> items;
  int PrintSettings::*value;
  bool written;  // Auto Cut mode is reported by the printer but never written
};

constexpr std::string_view kBlackMarkGroup = "Black Mark";

const std::array<ListField, 20> kPrintingLists{{
    {"Font system", "Codepage type", kCodePageTypeItems, &PrintSettings::codePageType, true},
    {"Font system", "Codepage", kCodePageTexts, &PrintSettings::codePage, true},
    {"Font system", "Multi-Language font", kMultiLanguageFontItems,
     &PrintSettings::multiLanguageFont, true},
    {"Font system", "International character set", kInternationalCharacterSetItems,
     &PrintSettings::internationalCharacterSet, true},
    {"Serial Settings", "Baudrate", kBaudRateItems, &PrintSettings::baudRate, true},
    {"Serial Settings", "Parity bit", kParityItems, &PrintSettings::parity, true},
    {"Serial Settings", "Handshaking", kHandshakingItems, &PrintSettings::handshaking, true},
    {"Printing system", "Printing speed", kPrintingSpeedItems, &PrintSettings::printingSpeed, true},
    {"Printing system", "Paper width", kPaperWidthItems, &PrintSettings::paperWidth, true},
    {"Printing system", "Column", kColumnItems, &PrintSettings::column, true},
    {"Printing system", "Print density", kPrintDensityItems, &PrintSettings::printDensity, true},
    {"Interface", "USB mode", kUsbModeItems, &PrintSettings::usbMode, true},
    {"Interface", "Handshaking Operation", kHandshakingOperationItems,
     &PrintSettings::handshakingOperation, true},
    {"Autocut & Sound", "Error sound", kSoundItems, &PrintSettings::errorSound, true},
    {"Autocut & Sound", "Print finish sound", kSoundItems, &PrintSettings::printFinishSound, true},
    {"Autocut & Sound", "External buzzer pattern", kExternalBuzzerPatternItems,
     &PrintSettings::externalBuzzerPattern, true},
    {"Autocut & Sound", "Auto Cut mode", kAutoCutModeItems, &PrintSettings::autoCutMode, false},
    {"Autocut & Sound", "Near Sensor Sound", kNearSensorSoundItems, &PrintSettings::nearSensorSound,
     true},
    {"Autocut & Sound", "Paper Saving Mode", kPaperSavingModeItems, &PrintSettings::paperSavingMode,
     true},
    {kBlackMarkGroup, "Black Mark Mode", kBlackMarkModeItems, &PrintSettings::blackMarkMode, true},
}};

// The page keeps three Black Mark distances as the texts typed; the document holds numbers.
struct TextNumberField {
  std::string_view label;
  std::string PrintSettings::*text;
};
constexpr std::array<TextNumberField, 3> kBlackMarkTexts{{
    {"Print After Black Mark", &PrintSettings::printAfterBlackMark},
    {"Cut After Black Mark", &PrintSettings::cutAfterBlackMark},
    {"BM Value", &PrintSettings::bmValue},
}};

// The two custom switches that travel, by control id.
struct SwitchField {
  std::string_view id;
  std::size_t position;
};
constexpr std::array<SwitchField, 2> kSwitches{{{"1086", kSwitch1086}, {"1087", kSwitch1087}}};
constexpr std::string_view kSwitchGroup = "Customized Settings";

constexpr std::string_view kEthernetGroup = "Ethernet Info";
constexpr std::string_view kWifiGroup = "WIFI Info";
constexpr std::string_view kBluetoothGroup = "Bluetooth Info";

Json printingJson(const PrintSettings& settings) {
  Json printing = Json::object();
  for (const ListField& field : kPrintingLists) {
    printing[field.group][field.label] = itemJson(field.items, settings.*field.value);
  }
  Json& blackMark = printing[kBlackMarkGroup];
  blackMark["Black Mark Length"] = settings.blackMarkLengthMm;
  blackMark["Black Mark Width"] = settings.blackMarkWidthMm;
  for (const TextNumberField& field : kBlackMarkTexts) {
    blackMark[field.label] = leadingInteger(settings.*field.text);
  }
  for (const SwitchField& field : kSwitches) {
    printing[kSwitchGroup][field.id] = settings.customSwitches[field.position];
  }
  return printing;
}

PrintSettings printingFromJson(const Json& printing, const std::string& path) {
  PrintSettings settings;
  for (const ListField& field : kPrintingLists) {
    if (!field.written) continue;
    const std::string group = fieldPath(path, field.group);
    settings.*field.value =
        requireItem(requireObject(printing, field.group, path), field.label, field.items, group);
  }
  const std::string group = fieldPath(path, kBlackMarkGroup);
  const Json& blackMark = requireObject(printing, kBlackMarkGroup, path);
  settings.blackMarkLengthMm = requireInt(blackMark, "Black Mark Length", group);
  settings.blackMarkWidthMm = requireInt(blackMark, "Black Mark Width", group);
  for (const TextNumberField& field : kBlackMarkTexts) {
    settings.*field.text = std::to_string(requireInt(blackMark, field.label, group));
  }
  const Json& switches = requireObject(printing, kSwitchGroup, path);
  for (const SwitchField& field : kSwitches) {
    settings.customSwitches[field.position] =
        requireBool(switches, field.id, fieldPath(path, kSwitchGroup));
  }
  return settings;
}

void addIpJson(const IpInterfaceSettings& ip, Json& group) {
  group["DHCP mode"] = itemJson(kDhcpModeItems, ip.dhcpMode);
  group["IP Address"] = addressText(ip.address);
  group["Gateway IP"] = addressText(ip.gateway);
  group["Subnet Mask"] = addressText(ip.subnetMask);
  group["MAC Address"] = ip.macAddress;
}

void readIp(const Json& group, const std::string& path, IpInterfaceSettings& ip) {
  ip.dhcpMode = requireItem(group, "DHCP mode", kDhcpModeItems, path);
  ip.address = requireAddress(group, "IP Address", path);
  ip.gateway = requireAddress(group, "Gateway IP", path);
  ip.subnetMask = requireAddress(group, "Subnet Mask", path);
}

Json networkJson(const NetworkSettings& settings, const NetworkGroups& groups) {
  Json network = Json::object();
  if (groups.ethernet) addIpJson(settings.ethernet, network[kEthernetGroup]);
  if (groups.wifi) {
    Json& wifi = network[kWifiGroup];
    wifi["Mode"] = itemJson(kWifiModeItems, settings.wifi.mode);
    wifi["SSID"] = settings.wifi.ssid;
    wifi["Password"] = settings.wifi.password;
    wifi["Security protocol"] = itemJson(kSecurityProtocolItems, settings.wifi.securityProtocol);
    wifi["Encrytion"] = itemJson(kEncryptionItems, settings.wifi.encryption);
    addIpJson(settings.wifi.ip, wifi);
  }
  if (groups.bluetooth) {
    Json& bluetooth = network[kBluetoothGroup];
    bluetooth["Device name"] = settings.bluetooth.deviceName;
    bluetooth["PIN-Code"] = settings.bluetooth.pinCode;
    bluetooth["Device Address"] = settings.bluetooth.address;
  }
  return network;
}

// Groups the document leaves out keep the page's start values.
void readNetwork(const Json& network, const std::string& path, Q470Document& document) {
  NetworkSettings& settings = document.network;
  NetworkGroups& groups = document.networkGroups;
  groups.ethernet = network.contains(kEthernetGroup);
  if (groups.ethernet) {
    readIp(requireObject(network, kEthernetGroup, path), fieldPath(path, kEthernetGroup),
           settings.ethernet);
  }
  groups.wifi = network.contains(kWifiGroup);
  if (groups.wifi) {
    const std::string group = fieldPath(path, kWifiGroup);
    const Json& wifi = requireObject(network, kWifiGroup, path);
    settings.wifi.mode = requireItem(wifi, "Mode", kWifiModeItems, group);
    settings.wifi.ssid = requireText(wifi, "SSID", group);
    settings.wifi.password = requireText(wifi, "Password", group);
    settings.wifi.securityProtocol =
        requireItem(wifi, "Security protocol", kSecurityProtocolItems, group);
    settings.wifi.encryption = requireItem(wifi, "Encrytion", kEncryptionItems, group);
    readIp(wifi, group, settings.wifi.ip);
  }
  groups.bluetooth = network.contains(kBluetoothGroup);
  if (groups.bluetooth) {
    const std::string group = fieldPath(path, kBluetoothGroup);
    const Json& bluetooth = requireObject(network, kBluetoothGroup, path);
    settings.bluetooth.deviceName = requireText(bluetooth, "Device name", group);
    settings.bluetooth.pinCode = requireText(bluetooth, "PIN-Code", group);
  }
}

}  // namespace

Json q470IdentityJson(const Q470PrinterIdentity& identity) {
  return Json{{"modelName", identity.modelName},
              {"firmwareVersion", identity.firmwareVersion},
              {"fontVersion", identity.fontVersion},
              {"serialNumber", identity.serialNumber},
              {"capabilityCode", identity.capabilityCode}};
}

Json q470DocumentJson(const Q470Document& document) {
  Json json = Json::object();
  json["family"] = "q470";
  json["identity"] = q470IdentityJson(document.identity);
  json["printing"] = printingJson(document.printing);
  json["network"] = networkJson(document.network, document.networkGroups);
  return json;
}

Q470Document q470DocumentFromJson(const Json& json) {
  Q470Document document;
  document.printing = printingFromJson(requireObject(json, "printing", ""), "printing");
  readNetwork(requireObject(json, "network", ""), "network", document);
  return document;
}

}  // namespace z3mq
