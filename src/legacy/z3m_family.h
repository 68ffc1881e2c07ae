#pragma once

#include <cstdint>
#include <span>

#include "legacy/legacy_response_handler.h"
#include "legacy/menu_switch_page.h"
#include "legacy/z3m_network_page.h"
#include "legacy/z3m_shell.h"

namespace z3mq {

// Family Z3M as the main window sees it: its two pages (created in this order), the first
// request of a connection, READ, WRITE and the handling of legacy packets.
class Z3MFamily {
 public:
  // `shell` must outlive the family.
  explicit Z3MFamily(const Z3MShell& shell);

  Dialog& menuSwitchPage() { return menuPage_.dialog(); }
  Dialog& networkPage() { return networkPage_.dialog(); }

  // The information request that asks a newly connected printer who it is.
  void probe();
  void read() { menuPage_.read(); }
  void write() { menuPage_.write(); }
  void onLegacyPacket(std::span<const std::uint8_t> packet) { handler_.handle(packet); }

 private:
  const Z3MShell& shell_;
  MenuSwitchPage menuPage_;
  Z3MNetworkPage networkPage_;
  LegacyResponseHandler handler_;
};

}  // namespace z3mq
