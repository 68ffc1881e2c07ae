#pragma once

namespace z3mq::network_page {

// Template and controls of the Q470 network page.
inline constexpr int kTemplateId = 157;

// Ethernet group.
inline constexpr int kEthernetDhcpMode = 1166;
inline constexpr int kEthernetAddress = 1275;
inline constexpr int kEthernetGateway = 1276;
inline constexpr int kEthernetSubnetMask = 1277;
inline constexpr int kLocalPort = 1279;
inline constexpr int kEthernetMacAddress = 1281;  // display only

// Wi-Fi group.
inline constexpr int kWifiMode = 1180;
inline constexpr int kSsid = 1285;
inline constexpr int kPassword = 1175;
inline constexpr int kWifiDhcpMode = 1182;
inline constexpr int kWifiAddress = 1282;
inline constexpr int kWifiGateway = 1283;
inline constexpr int kWifiSubnetMask = 1284;
inline constexpr int kWifiMacAddress = 1287;  // display only
inline constexpr int kSecurityProtocolLabel = 1295;
inline constexpr int kSecurityProtocol = 1184;
inline constexpr int kEncryptionLabel = 1296;
inline constexpr int kEncryption = 1187;

// Bluetooth group.
inline constexpr int kDeviceName = 1298;
inline constexpr int kPinCode = 1219;
inline constexpr int kDeviceAddress = 1299;  // display only

}  // namespace z3mq::network_page
