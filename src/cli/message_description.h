#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "link/message.h"

namespace z3mq {

// One-line descriptions of what goes over the wire, for transcripts: the request or answer by
// name with its key fields.
std::string describeSent(std::span<const std::uint8_t> bytes);
std::string describeReceived(const Message& message);

// "1B 1B 45 02"
std::string hexBytes(std::span<const std::uint8_t> bytes);

}  // namespace z3mq
