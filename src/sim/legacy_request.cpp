#include "sim/legacy_request.h"

#include "legacy/codec/packet.h"

namespace z3mq {

namespace {

constexpr std::size_t kMaintenanceActionOffset = 7;
constexpr std::uint8_t kPrintSettingPage = 0x01;
constexpr std::uint8_t kReset = 0xFF;

LegacyRequestKind classifyMaintenance(std::span<const std::uint8_t> packet) {
  switch (legacyByteAt(packet, kMaintenanceActionOffset)) {
    case kPrintSettingPage:
      return LegacyRequestKind::SettingPage;
    case kReset:
      return LegacyRequestKind::Reset;
    default:
      return LegacyRequestKind::Unknown;
  }
}

}  // namespace

LegacyRequestKind classifyLegacyRequest(std::span<const std::uint8_t> packet) {
  const std::uint8_t subCode = legacyByteAt(packet, kLegacySubCodeOffset);
  switch (legacyByteAt(packet, kLegacyCommandOffset)) {
    case kLegacyInformationRequestCommand:
      if (subCode == kLegacyIdentitySubCode) return LegacyRequestKind::Information;
      if (subCode == kLegacyMenuSubCode) return LegacyRequestKind::MenuRead;
      return LegacyRequestKind::Unknown;
    case kLegacySetRequestCommand:
      if (subCode == kLegacyMenuSubCode) return LegacyRequestKind::MenuWrite;
      if (subCode == kLegacyMaintenanceSubCode) return classifyMaintenance(packet);
      return LegacyRequestKind::Unknown;
    default:
      return LegacyRequestKind::Unknown;
  }
}

std::string_view legacyRequestName(LegacyRequestKind kind) {
  switch (kind) {
    case LegacyRequestKind::Information:
      return "information request";
    case LegacyRequestKind::MenuRead:
      return "menu read request";
    case LegacyRequestKind::MenuWrite:
      return "menu write request";
    case LegacyRequestKind::SettingPage:
      return "setting page request";
    case LegacyRequestKind::Reset:
      return "reset request";
    case LegacyRequestKind::Unknown:
      break;
  }
  return "unknown legacy packet";
}

}  // namespace z3mq
