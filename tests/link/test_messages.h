#pragma once

#include <cstdint>
#include <vector>

namespace z3mq::testing {

using Bytes = std::vector<std::uint8_t>;

// One message of each kind, as a printer sends them.
inline const Bytes kLegacyInfo{0x01, 0x02, 0x02, 0x00, 0x41, 0xAA, 0xBB, 0x03, 0x04};
inline const Bytes kFramedAnswer{0x1B, 0x1B, 0x45, 0x02, 0x02, 0x00, 0x10, 0x03,
                                 0x00, 0x00, 0x00, 0x00, 0x00, 0xAA, 0xBB, 0xCC};
inline const Bytes kAuxReport{0x37, 0x59, 0x41, 0x42, 0x00};

inline Bytes joined(const std::vector<Bytes>& parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace z3mq::testing
