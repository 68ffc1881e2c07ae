#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "framed/codec/frame.h"

namespace z3mq {

// Each answer of a read chain asks for the next request: identity (model name, firmware, font,
// serial number), then printing settings (print settings, paper saving, setting items, Black
// Mark), and the network follow-ups that the capability code calls for. Nullopt where the chain
// ends. After the Black Mark answer the chain goes on only while the network tab is current;
// its caller then sends networkReadRequest().
std::optional<FramedRequest> nextReadRequest(FramedCode answerCode,
                                             std::span<const std::uint8_t> payload,
                                             std::string_view capabilityCode);

}  // namespace z3mq
