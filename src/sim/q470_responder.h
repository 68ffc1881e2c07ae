#pragma once

#include "framed/codec/frame.h"
#include "sim/handled_request.h"
#include "sim/q470_state.h"

namespace z3mq {

// A Q470 printer's handling of one framed request: reads are answered from the state, writes
// change it and are acknowledged where the printer acknowledges them, PrintSettingPage prints.
// Answers carry the request's code and the link byte of `link`; unknown codes get no answer.
HandledRequest handleQ470Request(const FrameView& request, Q470State& state, LinkKind link);

}  // namespace z3mq
