#pragma once

#include <cstdint>
#include <span>

#include "legacy/z3m_shell.h"

namespace z3mq {

class MenuSwitchPage;
class Z3MNetworkPage;
struct PrinterInformation;

// Applies one complete legacy packet from a printer: identity into the information panel, menu
// bytes into the menu switch page, network details into the network page, the outcome of a menu
// write, and the follow-up requests. Any legacy packet is handled the same way, whatever the
// session's family.
class LegacyResponseHandler {
 public:
  LegacyResponseHandler(const Z3MShell& shell, MenuSwitchPage& menuPage,
                        Z3MNetworkPage& networkPage);

  void handle(std::span<const std::uint8_t> packet);

 private:
  void showIdentity(const PrinterInformation& info);
  void markIdentified();

  const Z3MShell& shell_;
  MenuSwitchPage& menuPage_;
  Z3MNetworkPage& networkPage_;
};

}  // namespace z3mq
