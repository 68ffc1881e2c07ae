#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace z3mq {

// Something a printer does besides answering, kept in its event list.
enum class SimAction { None, SettingPagePrinted, PrinterReset };

// How a printer took one request: its name for the log, the message it answers with (none
// for requests that get no answer) and what else it did.
struct HandledRequest {
  std::string name;
  std::optional<std::vector<std::uint8_t>> answer;
  SimAction action = SimAction::None;
};

}  // namespace z3mq
