#pragma once

#include "legacy/codec/requests.h"
#include "link/link.h"

namespace z3mq {

// One write of the whole request; a request that expects an answer marks it pending.
inline void sendRequest(Link& link, const LegacyRequest& request) {
  if (request.expectsAnswer) {
    sendExpectingAnswer(link, request.bytes);
  } else {
    link.write(request.bytes);
  }
}

}  // namespace z3mq
