#include "sim/z3m_responder.h"

#include <algorithm>
#include <string>

#include "legacy/codec/packet.h"
#include "sim/legacy_request.h"
#include "sim/z3m_answers.h"

namespace z3mq {

namespace {

constexpr std::size_t kMenuCountOffset = 6;
constexpr std::size_t kMenuBlockOffset = 7;

// Takes the block of a menu write when it carries all nine bytes.
bool takeMenuWrite(std::span<const std::uint8_t> packet, MenuBlock& menu) {
  if (legacyByteAt(packet, kMenuCountOffset) != menu.size() ||
      packet.size() < kMenuBlockOffset + menu.size()) {
    return false;
  }
  std::copy_n(packet.begin() + kMenuBlockOffset, menu.size(), menu.begin());
  return true;
}

}  // namespace

HandledRequest handleZ3mRequest(std::span<const std::uint8_t> packet, Z3mState& state,
                                bool refuseWrites) {
  const LegacyRequestKind kind = classifyLegacyRequest(packet);
  HandledRequest handled{std::string(legacyRequestName(kind)), std::nullopt, SimAction::None};
  switch (kind) {
    case LegacyRequestKind::Information:
      handled.answer = informationResponse(state.identity, state.hiddenItem);
      break;
    case LegacyRequestKind::MenuRead:
      handled.answer = menuSwitchResponse(state.menu);
      break;
    case LegacyRequestKind::MenuWrite:
      handled.answer = setResponse(!refuseWrites && takeMenuWrite(packet, state.menu));
      break;
    case LegacyRequestKind::SettingPage:
      handled.action = SimAction::SettingPagePrinted;
      break;
    case LegacyRequestKind::Reset:
      handled.action = SimAction::PrinterReset;
      break;
    case LegacyRequestKind::Unknown:
      break;
  }
  return handled;
}

}  // namespace z3mq
