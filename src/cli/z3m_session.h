#pragma once

#include <chrono>
#include <initializer_list>
#include <string>
#include <vector>

#include "cli/printer_channel.h"
#include "cli/z3m_document.h"
#include "legacy/codec/response.h"

namespace z3mq {

// The operations of the window on a Z3M printer, each answer awaited for at most `timeout`. A
// printer that stays silent ends the operation with CliError(NoAnswer), one whose network module
// is not ready or that refuses a write with CliError(NoAnswer) and the window's message.
class Z3mSession {
 public:
  Z3mSession(PrinterChannel& channel, std::chrono::milliseconds timeout)
      : channel_(channel), timeout_(timeout) {}

  // The information request.
  PrinterInformation identify();

  // The information request, then the menu read request, as the window does after an identity.
  Z3mDocument read();

  // The menu write request; once the printer acknowledges it, the reset request. Returns the
  // window's messages, one per line.
  std::vector<std::string> write(const MenuSelections& menu);

  void printSettingPage();

 private:
  // The next legacy response of one of these kinds; other packets are passed over.
  Message awaitResponse(std::initializer_list<LegacyResponseKind> kinds, const char* request);

  PrinterChannel& channel_;
  const std::chrono::milliseconds timeout_;
};

}  // namespace z3mq
