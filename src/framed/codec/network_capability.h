#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "framed/codec/frame.h"
#include "framed/codec/network_settings.h"

namespace z3mq {

// What the printer's network capability code ("USE", "USEW", "USEB", "USSW", "USSB"; compared
// whole and case-sensitively) calls for. Any other code, "USS" and the empty code included,
// names no interface.

struct NetworkGroups {
  bool ethernet = false;
  bool wifi = false;
  bool bluetooth = false;

  bool operator==(const NetworkGroups&) const = default;
};

// The page groups the code enables.
NetworkGroups networkGroupsOf(std::string_view capabilityCode);

// ReadInterface for one interface.
FramedRequest readInterfaceRequest(NetworkInterface which);

// The one request that starts reading the network settings when the network tab comes into
// view, or nullopt.
std::optional<FramedRequest> networkReadRequest(std::string_view capabilityCode);

// The write requests of WRITE on the network tab, in order; empty for a code that names no
// interface. Callers run the length checks first and send nothing when one fails.
std::vector<FramedRequest> networkWriteRequests(std::string_view capabilityCode,
                                                const NetworkSettings& settings);

}  // namespace z3mq
