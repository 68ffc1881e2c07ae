#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace z3mq {

// The requests a Z3M printer understands, told apart by command and sub-code.
enum class LegacyRequestKind {
  Information,  // 49 00
  MenuRead,     // 49 FF
  MenuWrite,    // 53 FF
  SettingPage,  // 53 C0 01 01
  Reset,        // 53 C0 01 FF
  Unknown,
};

LegacyRequestKind classifyLegacyRequest(std::span<const std::uint8_t> packet);

// "information request", "menu read request", ... as the sim's log names them.
std::string_view legacyRequestName(LegacyRequestKind kind);

}  // namespace z3mq
