#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "legacy/codec/packet.h"

namespace z3mq {

// Builds the body of a response the way a printer lays it out: a sub-code, then items.
class ResponseBody {
 public:
  explicit ResponseBody(std::uint8_t subCode) : bytes_{subCode} {}

  ResponseBody& byte(std::uint8_t value) {
    bytes_.push_back(value);
    return *this;
  }

  // A counted string: its length byte, then its characters.
  ResponseBody& text(std::string_view value) {
    bytes_.push_back(static_cast<std::uint8_t>(value.size()));
    bytes_.insert(bytes_.end(), value.begin(), value.end());
    return *this;
  }

  std::vector<std::uint8_t> packet(std::uint8_t command = kLegacyInformationResponseCommand) const {
    return buildLegacyPacket(command, bytes_);
  }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace z3mq
