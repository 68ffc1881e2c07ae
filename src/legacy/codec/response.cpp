#include "legacy/codec/response.h"

#include "legacy/codec/packet.h"

namespace z3mq {

namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::size_t kMenuBlockOffset = 7;

LegacyResponseKind classifyInformationResponse(std::uint8_t subCode) {
  switch (subCode) {
    case kLegacyIdentitySubCode:
      return LegacyResponseKind::Information;
    case kLegacyMenuSubCode:
      return LegacyResponseKind::MenuSwitch;
    case kLegacyModuleSubCode:
      return LegacyResponseKind::ModuleInformation;
    case kLegacyEthernetSubCode:
      return LegacyResponseKind::EthernetInformation;
    default:
      return LegacyResponseKind::Ignored;
  }
}

}  // namespace

LegacyResponseKind classifyLegacyResponse(std::span<const std::uint8_t> packet) {
  const std::uint8_t subCode = legacyByteAt(packet, kLegacySubCodeOffset);
  const std::uint8_t status = legacyByteAt(packet, kLegacyItemsOffset);
  switch (legacyByteAt(packet, kLegacyCommandOffset)) {
    case kLegacyInformationResponseCommand:
      return status == kNak ? LegacyResponseKind::ModuleNotReady
                            : classifyInformationResponse(subCode);
    case kLegacySetResponseCommand:
      return subCode == kLegacyMenuSubCode && status == kAck ? LegacyResponseKind::WriteAcknowledged
                                                             : LegacyResponseKind::WriteRefused;
    case kLegacyPresenceResponseCommand:
      return LegacyResponseKind::Presence;
    default:
      return LegacyResponseKind::Ignored;
  }
}

MenuBlock menuBlockOfResponse(std::span<const std::uint8_t> packet) {
  MenuBlock block{};
  for (std::size_t i = 0; i < block.size(); ++i) {
    block[i] = legacyByteAt(packet, kMenuBlockOffset + i);
  }
  return block;
}

}  // namespace z3mq
