#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "framed/codec/framed_code.h"
#include "framed/codec/network_settings.h"
#include "framed/page_fields.h"
#include "link/link.h"
#include "ui/dialog.h"
#include "ui/message_box_service.h"

namespace z3mq {

// The Q470 network page (template 157): Ethernet, Wi-Fi and Bluetooth settings, enabled by the
// printer's network capability code. Runs on the UI thread.
class NetworkPage {
 public:
  // Builds the page from its template and initialises it: fields shown, start selections and
  // addresses set. No enabling rule runs here.
  NetworkPage(Link& link, MessageBoxService& messageBoxes);
  NetworkPage(const NetworkPage&) = delete;
  NetworkPage& operator=(const NetworkPage&) = delete;

  Dialog& dialog() { return dialog_; }
  const Dialog& dialog() const { return dialog_; }

  // What the page holds: selections, addresses, the shown hardware addresses and its fields.
  NetworkSettings values() const;

  // Enables the groups the session's capability code names and disables the others, then sends
  // the one request that starts reading them, if any. Run when tab item 1 becomes current and
  // after the Black Mark answer while it is current.
  void applyNetworkCapability();

  // One answer of the network read chain (ReadInterface, ReadWifiSettings,
  // ReadBluetoothSettings, ReadBluetoothAddress); other codes change nothing.
  void applyAnswer(FramedCode code, std::span<const std::uint8_t> payload);

 private:
  // An answer's text into a field and the page's copy of it.
  void showText(int controlId, std::string& copy, const std::string& text);
  void ethernetDhcpChanged();
  void wifiDhcpChanged();
  void localPortEdited();
  void deviceNameEdited();
  void exchangeFields();

  Link& link_;
  MessageBoxService& messageBoxes_;
  Dialog dialog_;
  std::int32_t localPort_;
  std::string ssid_;
  std::string password_;
  std::string deviceName_;
  std::string pinCode_;
  PageFields fields_;
};

}  // namespace z3mq
