#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/message.h"

namespace z3mq {

// The printer's end of a fake link: what it sends back for each request written to it.
class ScriptedPrinter {
 public:
  virtual ~ScriptedPrinter() = default;
  virtual std::vector<Message> answer(std::span<const std::uint8_t> request) = 0;
};

}  // namespace z3mq
