#pragma once

#include <cstdint>
#include <span>

#include "sim/handled_request.h"
#include "sim/z3m_state.h"

namespace z3mq {

// A Z3M printer's handling of one legacy request: the identity and the menu bytes are answered
// from the state, a menu write of nine bytes is taken and acknowledged (or refused when
// `refuseWrites` is set, or when it does not carry nine bytes), the setting page and the reset
// act without an answer. Unknown packets get no answer.
HandledRequest handleZ3mRequest(std::span<const std::uint8_t> packet, Z3mState& state,
                                bool refuseWrites);

}  // namespace z3mq
