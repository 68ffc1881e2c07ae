#include "framed/q470_controller.h"

#include <string>

#include "framed/codec/black_mark.h"
#include "framed/codec/network_capability.h"
#include "framed/codec/network_checks.h"
#include "framed/codec/print_settings_encode.h"
#include "framed/framed_request_sender.h"

namespace z3mq {
namespace {

constexpr int kPrintSettingsTab = 0;
constexpr int kLogRed = 0;

void sendAll(Link& link, const std::vector<FramedRequest>& requests) {
  for (const FramedRequest& request : requests) sendFramedRequest(link, request);
}

}  // namespace

Q470Controller::Q470Controller(Link& link, Q470Window& window, MessageBoxService& messageBoxes)
    : link_(link),
      window_(window),
      messageBoxes_(messageBoxes),
      printPage_(link, messageBoxes),
      networkPage_(link, messageBoxes),
      answers_(link, window, printPage_, networkPage_) {}

void Q470Controller::read() {
  sendFramedRequest(link_, {FramedCode::ReadModelName, {}});
}

void Q470Controller::write(int currentTab) {
  if (currentTab == kPrintSettingsTab) {
    writePrintSettings();
  } else {
    writeNetworkSettings();
  }
}

void Q470Controller::writePrintSettings() {
  const PrintSettings settings = printPage_.values();
  if (const auto failure = blackMarkCheckFailure(settings)) {
    messageBoxes_.show(std::string(*failure));
    return;
  }
  const PrintSettingsWrite write = printSettingsWriteRequests(settings);
  if (write.codePageLeftOut) {
    window_.appendLog(kLogRed, "WriteCodePage not sent: the Codepage list has no selection\n");
  }
  sendAll(link_, write.requests);
}

void Q470Controller::writeNetworkSettings() {
  const NetworkSettings settings = networkPage_.values();
  if (const auto failure = firstNetworkLengthFailure(settings)) {
    messageBoxes_.show(std::string(*failure));
    return;
  }
  sendAll(link_, networkWriteRequests(link_.session().capabilityCode, settings));
}

}  // namespace z3mq
