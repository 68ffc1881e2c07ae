#include "cli/z3m_session.h"

#include <algorithm>

#include "cli/cli_error.h"
#include "codec/text.h"
#include "legacy/codec/requests.h"

namespace z3mq {
namespace {

void send(PrinterChannel& channel, const LegacyRequest& request) {
  channel.send(request.bytes, request.expectsAnswer);
}

}  // namespace

Message Z3mSession::awaitResponse(std::initializer_list<LegacyResponseKind> kinds,
                                  const char* request) {
  const Deadline deadline = std::chrono::steady_clock::now() + timeout_;
  while (auto message = channel_.next(MessageKind::Legacy, deadline)) {
    const LegacyResponseKind kind = classifyLegacyResponse(message->bytes);
    if (kind == LegacyResponseKind::ModuleNotReady) {
      throw CliError(ExitCode::NoAnswer, "ESP32 Module not ready");
    }
    if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end()) return std::move(*message);
  }
  throw CliError(ExitCode::NoAnswer, std::string("no answer to the ") + request + " within " +
                                         std::to_string(timeout_.count()) + " ms");
}

PrinterInformation Z3mSession::identify() {
  send(channel_, informationRequest());
  return readInformationResponse(
      awaitResponse({LegacyResponseKind::Information}, "information request").bytes);
}

Z3mDocument Z3mSession::read() {
  Z3mDocument document;
  document.identity = identify();
  send(channel_, menuReadRequest());
  const Message menu = awaitResponse({LegacyResponseKind::MenuSwitch}, "menu read request");
  document.menu = decodeMenuBlock(menuBlockOfResponse(menu.bytes));
  return document;
}

std::vector<std::string> Z3mSession::write(const MenuSelections& menu) {
  send(channel_, menuWriteRequest(encodeMenuBlock(menu).block));
  const Message answer =
      awaitResponse({LegacyResponseKind::WriteAcknowledged, LegacyResponseKind::WriteRefused},
                    "menu write request");
  if (classifyLegacyResponse(answer.bytes) == LegacyResponseKind::WriteRefused) {
    throw CliError(ExitCode::NoAnswer, "Failed to write!!");
  }
  send(channel_, resetRequest());
  return {"The MENU setting completed successfully.", "Reset Printer Device"};
}

void Z3mSession::printSettingPage() {
  send(channel_, settingPageRequest());
}

}  // namespace z3mq
