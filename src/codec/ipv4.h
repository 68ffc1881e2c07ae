#pragma once

#include <cstdint>

namespace z3mq {

// An IPv4 address with its first octet most significant, as address fields and the page values
// hold it: 192.168.10.10 is 0xC0A80A0A.
constexpr std::uint32_t ipv4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
  return std::uint32_t{a} << 24 | std::uint32_t{b} << 16 | std::uint32_t{c} << 8 | d;
}

}  // namespace z3mq
