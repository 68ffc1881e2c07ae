#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace z3mq::test {

// "1B 1B 45" -> bytes; blanks are ignored.
inline std::vector<std::uint8_t> hex(std::string_view text) {
  std::vector<std::uint8_t> bytes;
  std::string digits;
  for (const char c : text) {
    if (c == ' ') continue;
    digits += c;
    if (digits.size() == 2) {
      bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits, nullptr, 16)));
      digits.clear();
    }
  }
  return bytes;
}

}  // namespace z3mq::test
