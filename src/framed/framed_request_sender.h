#pragma once

#include "framed/codec/frame.h"
#include "link/link.h"

namespace z3mq {

// Every framed request goes out this way: framed for the session's link kind, written whole by
// one write call (skipped while the port is invalid), and responsePending set.
inline void sendFramedRequest(Link& link, const FramedRequest& request) {
  sendExpectingAnswer(link, buildFrame(link.session().linkKind, request));
}

}  // namespace z3mq
