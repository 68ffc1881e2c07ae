#include "framed/codec/identity.h"

#include <algorithm>
#include <array>

#include "framed/codec/payload_bytes.h"

namespace z3mq {
namespace {

constexpr std::array kIdentityAnswers{
    IdentityAnswer{FramedCode::ReadModelName, "Model Name: ", FramedCode::ReadFirmwareVersion},
    IdentityAnswer{FramedCode::ReadFirmwareVersion, "FW Version: ", FramedCode::ReadFontVersion},
    IdentityAnswer{FramedCode::ReadFontVersion, "Font Version: ", FramedCode::ReadSerialNumber},
    IdentityAnswer{FramedCode::ReadSerialNumber, "SN: ", FramedCode::ReadPrintSettings},
};

}  // namespace

const IdentityAnswer* findIdentityAnswer(FramedCode code) {
  const auto* row = std::find_if(kIdentityAnswers.begin(), kIdentityAnswers.end(),
                                 [code](const IdentityAnswer& a) { return a.code == code; });
  return row == kIdentityAnswers.end() ? nullptr : row;
}

std::string decodeInformationText(std::span<const std::uint8_t> payload) {
  const PayloadReader reader(payload);
  return reader.text(2, reader.le16(0));
}

std::string identityLabel(const IdentityAnswer& answer, std::string_view text) {
  std::string label(answer.labelPrefix);
  label += text;
  return label;
}

std::string capabilityCodeFromFirmwareLabel(std::string_view label) {
  constexpr int kCapabilityField = 3;
  for (int field = 0; field < kCapabilityField; ++field) {
    const auto space = label.find(' ');
    if (space == std::string_view::npos) return {};
    label.remove_prefix(space + 1);
  }
  return std::string(label.substr(0, label.find(' ')));
}

bool lacksNetworkModule(std::string_view capabilityCode) {
  return capabilityCode == "USS";
}

}  // namespace z3mq
