#include "sim/simulated_printer.h"

#include <algorithm>

#include "framed/codec/network_decode.h"
#include "sim/aux_report_encoder.h"
#include "sim/legacy_request.h"
#include "sim/q470_responder.h"
#include "sim/z3m_answers.h"
#include "sim/z3m_responder.h"

namespace z3mq {

namespace {

// The settings hold the printer's hardware addresses as the host shows them.
void showAddresses(Q470State& state) {
  state.network.ethernet.macAddress = hardwareAddressText(state.addresses.ethernetMac);
  state.network.wifi.ip.macAddress = hardwareAddressText(state.addresses.wifiMac);
  state.network.bluetooth.address = hardwareAddressText(state.addresses.bluetoothAddress);
}

}  // namespace

SimulatedPrinter::SimulatedPrinter(SimOptions options)
    : options_(std::move(options)), output_(options_.faults) {
  showAddresses(options_.q470);
}

void SimulatedPrinter::record(SimEventKind kind, std::string text) {
  events_.push_back({kind, std::move(text)});
}

std::vector<SimWrite> SimulatedPrinter::takeDue() {
  const bool wasThere = !output_.vanished();
  std::vector<SimWrite> writes = output_.takeDue(now_);
  if (wasThere && output_.vanished()) record(SimEventKind::Vanished);
  return writes;
}

std::vector<SimWrite> SimulatedPrinter::feed(std::span<const std::uint8_t> bytes) {
  if (vanished()) return {};
  for (const HostItem& item : input_.feed(bytes)) handle(item);
  return takeDue();
}

std::vector<SimWrite> SimulatedPrinter::advanceTo(SimTime now) {
  now_ = std::max(now_, now);
  return takeDue();
}

void SimulatedPrinter::handle(const HostItem& item) {
  if (!item.isPrintData) {
    handleRequest(item.request);
    return;
  }
  printed_.insert(printed_.end(), item.printData.begin(), item.printData.end());
  record(SimEventKind::DataPrinted, std::string(item.printData.begin(), item.printData.end()));
}

void SimulatedPrinter::handleRequest(const Message& request) {
  const SimFaults& faults = options_.faults;
  HandledRequest handled;
  bool muted = faults.muteAll;
  if (options_.family == PrinterFamily::Q470 && request.kind == MessageKind::Framed) {
    const auto frame = readFrame(request.bytes);
    muted = muted || faults.mutedCodes.contains(frame->code);
    handled = handleQ470Request(*frame, options_.q470, options_.linkKind);
  } else if (options_.family == PrinterFamily::Z3M && request.kind == MessageKind::Legacy) {
    muted = muted || faults.mutedCommands.contains(classifyLegacyRequest(request.bytes));
    handled = handleZ3mRequest(request.bytes, options_.z3m, faults.refuseWrites);
  } else {
    handled.name = request.kind == MessageKind::Framed ? "frame" : "legacy packet";
    handled.name += " of the other family";
  }
  const bool answers = handled.answer && !muted;
  record(SimEventKind::Request, handled.name + (handled.answer && muted ? " (no answer)" : ""));
  if (handled.action == SimAction::SettingPagePrinted) record(SimEventKind::SettingPagePrinted);
  if (handled.action == SimAction::PrinterReset) record(SimEventKind::PrinterReset);
  if (answers) output_.schedule(std::move(*handled.answer), now_ + faults.answerDelay);
}

std::vector<SimWrite> SimulatedPrinter::sendNow(std::vector<std::uint8_t> message) {
  output_.schedule(std::move(message), now_);
  return takeDue();
}

std::vector<SimWrite> SimulatedPrinter::sendAuxReport(const AuxReport& report) {
  return sendNow(encodeAuxReport(report));
}

std::vector<SimWrite> SimulatedPrinter::sendPresence() {
  return sendNow(presenceResponse());
}

std::vector<SimWrite> SimulatedPrinter::sendModuleInformation() {
  return sendNow(moduleInformationResponse(options_.z3m.module));
}

std::vector<SimWrite> SimulatedPrinter::sendEthernetInformation() {
  return sendNow(ethernetInformationResponse(options_.z3m.ethernet));
}

}  // namespace z3mq
