#pragma once

#include "legacy/codec/ethernet_information.h"
#include "legacy/codec/module_information.h"
#include "ui/dialog.h"

namespace z3mq {

// The network module of a Z3M printer as it reports it. Nothing shows this page; it only keeps
// what the printer last sent.
class Z3MNetworkPage {
 public:
  Z3MNetworkPage();
  Z3MNetworkPage(const Z3MNetworkPage&) = delete;
  Z3MNetworkPage& operator=(const Z3MNetworkPage&) = delete;

  Dialog& dialog() { return dialog_; }
  const Dialog& dialog() const { return dialog_; }

  void show(const ModuleInformation& module);
  void show(const EthernetInformation& ethernet);

 private:
  void showBluetooth(const BluetoothModuleSettings& bluetooth);
  void showWifi(std::uint8_t mode, const WifiModuleSettings& wifi);
  // DNS servers and RSSI belong to station mode, the authentication to the other Wi-Fi modes.
  void enableStationControls(bool station);

  Dialog dialog_;
};

}  // namespace z3mq
