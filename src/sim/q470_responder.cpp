#include "sim/q470_responder.h"

#include <string>

#include "framed/codec/payload_bytes.h"
#include "sim/q470_answers.h"
#include "sim/q470_writes.h"

namespace z3mq {

namespace {

std::optional<std::vector<std::uint8_t>> readAnswer(const FrameView& request,
                                                    const Q470State& state) {
  const Q470Identity& id = state.identity;
  switch (request.code) {
    case FramedCode::ReadModelName:
      return informationTextPayload(id.modelName);
    case FramedCode::ReadFirmwareVersion:
      return informationTextPayload(id.firmwareVersion);
    case FramedCode::ReadFontVersion:
      return informationTextPayload(id.fontVersion);
    case FramedCode::ReadSerialNumber:
      return informationTextPayload(id.serialNumber);
    case FramedCode::ReadPrintSettings:
      return printSettingsAnswer(state.printSettings);
    case FramedCode::ReadPaperSaving:
      return paperSavingAnswer(state.printSettings);
    case FramedCode::ReadSettingItems:
      return settingItemsAnswer(state.printSettings);
    case FramedCode::ReadBlackMark:
      return blackMarkAnswer(state.printSettings);
    case FramedCode::ReadInterface:
      // Any interface byte but 00 asks for Wi-Fi, as in the record.
      return PayloadReader(request.payload).u8(0) == 0
                 ? interfaceAnswer(NetworkInterface::Ethernet, state.network,
                                   state.addresses.ethernetMac)
                 : interfaceAnswer(NetworkInterface::Wifi, state.network, state.addresses.wifiMac);
    case FramedCode::ReadWifiSettings:
      return wifiSettingsAnswer(state.network);
    case FramedCode::ReadBluetoothSettings:
      return bluetoothSettingsAnswer(state.network);
    case FramedCode::ReadBluetoothAddress:
      return std::vector<std::uint8_t>(state.addresses.bluetoothAddress.begin(),
                                       state.addresses.bluetoothAddress.end());
    default:
      return std::nullopt;
  }
}

std::string requestName(const FrameView& request) {
  std::string name(framedCodeName(request.code));
  if (name == "Unknown") name += " code " + std::to_string(static_cast<unsigned>(request.code));
  if (request.code == FramedCode::ReadInterface && !request.payload.empty()) {
    name += request.payload[0] == 0 ? " (Ethernet)" : " (Wi-Fi)";
  }
  return name;
}

}  // namespace

HandledRequest handleQ470Request(const FrameView& request, Q470State& state, LinkKind link) {
  HandledRequest handled{requestName(request), std::nullopt, SimAction::None};
  if (auto payload = readAnswer(request, state)) {
    handled.answer = buildFrame(link, request.code, *payload);
    return handled;
  }
  if (request.code == FramedCode::PrintSettingPage) {
    handled.action = SimAction::SettingPagePrinted;
  } else if (!applyPrintSettingsWrite(request.code, request.payload, state.printSettings) &&
             !applyNetworkWrite(request.code, request.payload, state.network)) {
    return handled;
  }
  if (answerIsAcknowledgement(request.code)) handled.answer = buildFrame(link, request.code);
  return handled;
}

}  // namespace z3mq
