#include "framed/framed_answer_handler.h"

#include <array>
#include <string>

#include "framed/codec/identity.h"
#include "framed/codec/read_chain.h"
#include "framed/framed_request_sender.h"

namespace z3mq {
namespace {

struct IdentityLabel {
  FramedCode code;
  int labelId;
};

// The information panel's label for each identity answer.
constexpr std::array kIdentityLabels{
    IdentityLabel{FramedCode::ReadModelName, 1242},
    IdentityLabel{FramedCode::ReadFirmwareVersion, 1243},
    IdentityLabel{FramedCode::ReadFontVersion, 1303},
    IdentityLabel{FramedCode::ReadSerialNumber, 1307},
};

constexpr int kNetworkTab = 1;

int labelOf(FramedCode code) {
  for (const IdentityLabel& row : kIdentityLabels) {
    if (row.code == code) return row.labelId;
  }
  return 0;
}

}  // namespace

void FramedAnswerHandler::handle(std::span<const std::uint8_t> frame) {
  const auto answer = readFrame(frame);
  if (!answer) return;
  const FramedCode code = answer->code;
  switch (code) {
    case FramedCode::ReadModelName:
    case FramedCode::ReadFirmwareVersion:
    case FramedCode::ReadFontVersion:
    case FramedCode::ReadSerialNumber:
      identityAnswer(code, answer->payload);
      break;
    case FramedCode::ReadPrintSettings:
    case FramedCode::ReadPaperSaving:
    case FramedCode::ReadSettingItems:
    case FramedCode::ReadBlackMark:
      printPage_.applyAnswer(code, answer->payload);
      break;
    case FramedCode::ReadInterface:
    case FramedCode::ReadWifiSettings:
    case FramedCode::ReadBluetoothSettings:
    case FramedCode::ReadBluetoothAddress:
      networkPage_.applyAnswer(code, answer->payload);
      break;
    default:
      return;  // acknowledgements and codes we do not know
  }
  if (const auto next = nextReadRequest(code, answer->payload, link_.session().capabilityCode)) {
    sendFramedRequest(link_, *next);
  }
  if (code == FramedCode::ReadBlackMark && window_.currentTabItem() == kNetworkTab) {
    networkPage_.applyNetworkCapability();
  }
}

void FramedAnswerHandler::identityAnswer(FramedCode code, std::span<const std::uint8_t> payload) {
  const IdentityAnswer* identity = findIdentityAnswer(code);
  const std::string label = identityLabel(*identity, decodeInformationText(payload));
  window_.setInformationLabel(labelOf(code), label);
  if (code != FramedCode::ReadFirmwareVersion) return;
  std::string& capabilityCode = link_.session().capabilityCode;
  capabilityCode = capabilityCodeFromFirmwareLabel(label);
  // Before ReadFontVersion goes out: a printer without a network module has no network tab.
  if (lacksNetworkModule(capabilityCode)) window_.dropNetworkTab();
}

}  // namespace z3mq
