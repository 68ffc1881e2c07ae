#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "framed/codec/network_settings.h"

namespace z3mq {

// Text lengths, in characters: SSID 1 to 32, password 8 to 63, device name 1 to 20, PIN code
// 4 to 8. Values that fail are kept; the messages only tell the user.

// WRITE on the network tab: the message of the first failing check in the order SSID,
// password, device name, PIN code; nullopt when all pass. Nothing is sent when one fails.
std::optional<std::string_view> firstNetworkLengthFailure(const NetworkSettings& settings);

// The page's check after every change of the device name: the messages of every failing
// check, in the order device name, PIN code, SSID, password.
std::vector<std::string_view> deviceNameCheckFailures(const NetworkSettings& settings);

}  // namespace z3mq
