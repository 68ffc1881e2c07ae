#include "cli/q470_session.h"

#include <algorithm>

#include "cli/cli_error.h"
#include "codec/text.h"
#include "framed/codec/black_mark.h"
#include "framed/codec/identity.h"
#include "framed/codec/maintenance.h"
#include "framed/codec/network_capability.h"
#include "framed/codec/network_checks.h"
#include "framed/codec/network_decode.h"
#include "framed/codec/print_settings_decode.h"
#include "framed/codec/print_settings_encode.h"
#include "framed/codec/read_chain.h"

namespace z3mq {
namespace {

std::string timeoutText(std::chrono::milliseconds timeout) {
  return std::to_string(timeout.count()) + " ms";
}

void applyIdentity(FramedCode code, const std::string& text, Q470PrinterIdentity& identity) {
  switch (code) {
    case FramedCode::ReadModelName:
      identity.modelName = text;
      break;
    case FramedCode::ReadFirmwareVersion:
      identity.firmwareVersion = text;
      identity.capabilityCode =
          capabilityCodeFromFirmwareLabel(identityLabel(*findIdentityAnswer(code), text));
      break;
    case FramedCode::ReadFontVersion:
      identity.fontVersion = text;
      break;
    default:
      identity.serialNumber = text;
      break;
  }
}

void applyNetwork(const FrameView& answer, Q470Document& document) {
  NetworkSettings& network = document.network;
  switch (answer.code) {
    case FramedCode::ReadInterface:
      if (applyInterfaceAnswer(answer.payload, network) == NetworkInterface::Ethernet) {
        document.networkGroups.ethernet = true;
      } else {
        document.networkGroups.wifi = true;
      }
      break;
    case FramedCode::ReadWifiSettings:
      applyWifiSettingsAnswer(answer.payload, network);
      break;
    case FramedCode::ReadBluetoothSettings:
      applyBluetoothSettingsAnswer(answer.payload, network);
      document.networkGroups.bluetooth = true;
      break;
    case FramedCode::ReadBluetoothAddress:
      applyBluetoothAddressAnswer(answer.payload, network);
      break;
    default:
      break;
  }
}

// The window's checks, in the order WRITE makes them on each tab.
void checkBeforeWriting(const Q470Document& document) {
  if (const auto failure = blackMarkCheckFailure(document.printing)) {
    throw CliError(ExitCode::CheckFailed, std::string(*failure));
  }
  if (const auto failure = firstNetworkLengthFailure(document.network)) {
    throw CliError(ExitCode::CheckFailed, std::string(*failure));
  }
}

// The printer's capability code decides which network groups are written; each must be in the
// document.
void requireNetworkGroups(const Q470Document& document, const std::string& capabilityCode) {
  const NetworkGroups needed = networkGroupsOf(capabilityCode);
  const NetworkGroups& present = document.networkGroups;
  const auto require = [&](bool need, bool have, const char* group) {
    if (need && !have) {
      throw CliError(ExitCode::BadInput, std::string("network.") + group +
                                             ": missing; this printer (" + capabilityCode +
                                             ") has it");
    }
  };
  require(needed.ethernet, present.ethernet, "Ethernet Info");
  require(needed.wifi, present.wifi, "WIFI Info");
  require(needed.bluetooth, present.bluetooth, "Bluetooth Info");
}

}  // namespace

void Q470Session::send(const FramedRequest& request) {
  channel_.send(buildFrame(channel_.link().session().linkKind, request), true);
}

Message Q470Session::awaitAnswer(FramedCode code) {
  const Deadline deadline = std::chrono::steady_clock::now() + timeout_;
  while (auto message = channel_.next(MessageKind::Framed, deadline)) {
    const auto frame = readFrame(message->bytes);
    if (frame && frame->code == code) return std::move(*message);
  }
  throw CliError(ExitCode::NoAnswer, "no answer to " + std::string(framedCodeName(code)) +
                                         " within " + timeoutText(timeout_));
}

void Q470Session::apply(const FrameView& answer, Q470Document& document) {
  if (findIdentityAnswer(answer.code) != nullptr) {
    applyIdentity(answer.code, decodeInformationText(answer.payload), document.identity);
    return;
  }
  switch (answer.code) {
    case FramedCode::ReadPrintSettings:
      applyPrintSettingsAnswer(answer.payload, document.printing);
      break;
    case FramedCode::ReadPaperSaving:
      applyPaperSavingAnswer(answer.payload, document.printing);
      break;
    case FramedCode::ReadSettingItems:
      applySettingItemsAnswer(answer.payload, document.printing);
      break;
    case FramedCode::ReadBlackMark:
      applyBlackMarkAnswer(answer.payload, document.printing);
      break;
    default:
      applyNetwork(answer, document);
      break;
  }
}

void Q470Session::runChain(FramedRequest first, std::optional<FramedCode> last,
                           Q470Document& document) {
  std::optional<FramedRequest> request = std::move(first);
  while (request) {
    send(*request);
    const Message message = awaitAnswer(request->code);
    const FrameView answer = *readFrame(message.bytes);
    apply(answer, document);
    if (answer.code == last) return;
    request = nextReadRequest(answer.code, answer.payload, document.identity.capabilityCode);
    // With the network tab in view, the Black Mark answer goes on into the network settings.
    if (answer.code == FramedCode::ReadBlackMark) {
      request = networkReadRequest(document.identity.capabilityCode);
    }
  }
}

Q470PrinterIdentity Q470Session::identify() {
  Q470Document document;
  runChain({FramedCode::ReadModelName, {}}, FramedCode::ReadSerialNumber, document);
  return document.identity;
}

Q470Document Q470Session::read() {
  Q470Document document;
  runChain({FramedCode::ReadModelName, {}}, std::nullopt, document);
  return document;
}

std::string Q470Session::write(const Q470Document& document) {
  checkBeforeWriting(document);
  const Q470PrinterIdentity identity = identify();
  requireNetworkGroups(document, identity.capabilityCode);

  std::vector<FramedRequest> requests = printSettingsWriteRequests(document.printing).requests;
  const std::vector<FramedRequest> network =
      networkWriteRequests(identity.capabilityCode, document.network);
  requests.insert(requests.end(), network.begin(), network.end());

  std::vector<FramedCode> owed;
  for (const FramedRequest& request : requests) {
    send(request);
    if (answerIsAcknowledgement(request.code)) owed.push_back(request.code);
  }
  const Deadline deadline = std::chrono::steady_clock::now() + timeout_;
  while (!owed.empty()) {
    const auto message = channel_.next(MessageKind::Framed, deadline);
    if (!message) break;
    const auto frame = readFrame(message->bytes);
    const auto found = frame ? std::find(owed.begin(), owed.end(), frame->code) : owed.end();
    if (found != owed.end()) owed.erase(found);
  }

  const std::string summary = "wrote " + std::to_string(requests.size()) + " requests to " +
                              identity.modelName + " SN " + identity.serialNumber +
                              " (network: " + (network.empty() ? "none" : identity.capabilityCode) +
                              ")";
  if (!owed.empty()) {
    std::string missing;
    for (FramedCode code : owed) {
      missing += (missing.empty() ? "" : ", ") + std::string(framedCodeName(code));
    }
    throw CliError(ExitCode::NoAnswer, summary + "; no acknowledgement within " +
                                           timeoutText(timeout_) + " of " + missing);
  }
  return summary;
}

void Q470Session::printSettingPage() {
  channel_.send(buildFrame(channel_.link().session().linkKind, printSettingPageRequest()), true);
}

}  // namespace z3mq
