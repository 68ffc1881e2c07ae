#pragma once

#include "ui/dialog_template.h"

namespace z3mq {

// Control ids of the Z3M network page.
namespace z3m_network {
// Ethernet.
inline constexpr int kEthernetDhcpList = 1166;
inline constexpr int kEthernetIp = 1275;
inline constexpr int kEthernetGateway = 1276;
inline constexpr int kEthernetSubnet = 1277;
inline constexpr int kLocalPort = 1279;
inline constexpr int kEthernetMac = 1281;
// Module.
inline constexpr int kModuleFirmware = 1243;
inline constexpr int kWirelessModeList = 1180;
// Wi-Fi.
inline constexpr int kSsid = 1285;
inline constexpr int kPassword = 1175;
inline constexpr int kWifiDhcpList = 1182;
inline constexpr int kWifiIp = 1282;
inline constexpr int kWifiGateway = 1283;
inline constexpr int kWifiSubnet = 1284;
inline constexpr int kWifiMac = 1287;
inline constexpr int kChannel = 1288;
inline constexpr int kAuthLabel = 1295;
inline constexpr int kAuthList = 1184;
inline constexpr int kTxPower = 1289;
inline constexpr int kDns1Label = 1293;
inline constexpr int kDns1 = 1290;
inline constexpr int kDns2Label = 1294;
inline constexpr int kDns2 = 1291;
inline constexpr int kRssiLabel = 1296;
inline constexpr int kRssi = 1292;
inline constexpr int kRssiUnit = 1297;
// Bluetooth.
inline constexpr int kDeviceName = 1298;
inline constexpr int kPinCode = 1219;
inline constexpr int kDeviceAddress = 1299;
inline constexpr int kBtAuth = 1302;
inline constexpr int kBtRssi = 1300;
}  // namespace z3m_network

// The network page of a Z3M printer, template 153: a read-only display, never shown.
DialogTemplate z3mNetworkPageTemplate();

}  // namespace z3mq
