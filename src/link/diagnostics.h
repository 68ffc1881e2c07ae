#pragma once

#include <functional>
#include <string_view>

namespace z3mq {

// Where the link says what went wrong on the way to the device (a missing udev rule, a busy
// node, a worker that would not stop in time). The application puts it into its log, the CLI
// prints it.
using Diagnostics = std::function<void(std::string_view)>;

}  // namespace z3mq
