#include "framed/codec/read_chain.h"

#include "framed/codec/identity.h"
#include "framed/codec/network_capability.h"
#include "framed/codec/payload_bytes.h"

namespace z3mq {
namespace {

// ReadWifiSettings carries one byte the printer does not interpret in any known way; we send
// 01, the Wi-Fi interface byte, as ReadInterface names it in the same exchange.
constexpr std::uint8_t kWifiSettingsSelector = static_cast<std::uint8_t>(NetworkInterface::Wifi);

std::optional<FramedRequest> afterInterfaceAnswer(std::span<const std::uint8_t> payload,
                                                  std::string_view capabilityCode) {
  if (PayloadReader(payload).u8(0) != 0) {
    return FramedRequest{FramedCode::ReadWifiSettings, {kWifiSettingsSelector}};
  }
  if (capabilityCode == "USEW") return readInterfaceRequest(NetworkInterface::Wifi);
  if (capabilityCode == "USEB") return FramedRequest{FramedCode::ReadBluetoothSettings, {}};
  return std::nullopt;
}

}  // namespace

std::optional<FramedRequest> nextReadRequest(FramedCode answerCode,
                                             std::span<const std::uint8_t> payload,
                                             std::string_view capabilityCode) {
  if (const IdentityAnswer* identity = findIdentityAnswer(answerCode)) {
    return FramedRequest{identity->next, {}};
  }
  switch (answerCode) {
    case FramedCode::ReadPrintSettings:
      return FramedRequest{FramedCode::ReadPaperSaving, {}};
    case FramedCode::ReadPaperSaving:
      return FramedRequest{FramedCode::ReadSettingItems, {}};
    case FramedCode::ReadSettingItems:
      return FramedRequest{FramedCode::ReadBlackMark, {}};
    case FramedCode::ReadInterface:
      return afterInterfaceAnswer(payload, capabilityCode);
    case FramedCode::ReadBluetoothSettings:
      return FramedRequest{FramedCode::ReadBluetoothAddress, {}};
    default:
      return std::nullopt;
  }
}

}  // namespace z3mq
