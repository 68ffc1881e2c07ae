#pragma once

#include <vector>

#include "framed/codec/frame.h"
#include "framed/codec/print_settings.h"

namespace z3mq {

// The write requests that carry the printing settings page to the printer, in the order they
// are sent. With no code page selected there is no number to send: WriteCodePage is left out
// (codePageLeftOut says so, for the caller's log) and the other thirteen still go.
struct PrintSettingsWrite {
  std::vector<FramedRequest> requests;
  bool codePageLeftOut = false;
};

// Callers run blackMarkCheckFailure() first and send nothing when it fails.
PrintSettingsWrite printSettingsWriteRequests(const PrintSettings& settings);

}  // namespace z3mq
