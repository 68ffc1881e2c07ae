#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framed/codec/framed_code.h"

namespace z3mq {

// The four identity answers: the label each fills and the request that follows it. The label
// text is the prefix followed by the received text ("Model Name: %S" and so on).
struct IdentityAnswer {
  FramedCode code;
  std::string_view labelPrefix;
  FramedCode next;
};

// The row for an identity code, or nullptr for any other code.
const IdentityAnswer* findIdentityAnswer(FramedCode code);

// The text of an information-text payload: a 16-bit little-endian length N, then N bytes. The
// text ends at its first zero byte, after N bytes or at the end of the payload, whichever
// comes first, and is shown whole however long it is.
std::string decodeInformationText(std::span<const std::uint8_t> payload);

// "Model Name: " + text and so on.
std::string identityLabel(const IdentityAnswer& answer, std::string_view text);

// The network capability code ("USEW", ...) from the firmware label text: the fourth field
// when the label is split at every space (so two spaces in a row delimit an empty field), or
// empty when there are fewer than four fields.
std::string capabilityCodeFromFirmwareLabel(std::string_view label);

// "USS" names a printer without a network module: its network tab is removed.
bool lacksNetworkModule(std::string_view capabilityCode);

}  // namespace z3mq
