#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace z3mq {

// Lists whose items travel as arbitrary byte codes rather than as their index.

// The code of the item at index; an index outside the list sends the code at fallbackIndex.
template <std::size_t N>
constexpr std::uint8_t codeOfIndex(const std::array<std::uint8_t, N>& codes, int index,
                                   std::size_t fallbackIndex = 0) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? codes[static_cast<std::size_t>(index)]
                                                           : codes[fallbackIndex];
}

// The index of the item with this code; a code of no item selects index 0.
template <std::size_t N>
constexpr int indexOfCode(const std::array<std::uint8_t, N>& codes, std::uint8_t code) {
  const auto* found = std::find(codes.begin(), codes.end(), code);
  return found == codes.end() ? 0 : static_cast<int>(found - codes.begin());
}

}  // namespace z3mq
