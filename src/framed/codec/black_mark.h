#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "framed/codec/print_settings.h"

namespace z3mq {

// The page shows millimetres, the printer counts dots at 8 per millimetre.
inline constexpr std::int32_t kDotsPerMm = 8;

// Truncates toward zero: -100 dots show as -12 mm.
constexpr std::int32_t dotsToMm(std::int32_t dots) {
  return dots / kDotsPerMm;
}

// Two's complement on the wire; wraps instead of overflowing for values no check let through.
constexpr std::uint32_t mmToDots(std::int32_t mm) {
  return static_cast<std::uint32_t>(mm) * static_cast<std::uint32_t>(kDotsPerMm);
}

// The Black Mark values as numbers: the three texts read as leading decimal integers.
struct BlackMarkValues {
  std::int32_t lengthMm;
  std::int32_t widthMm;
  std::int32_t printAfterMm;
  std::int32_t cutAfterMm;
  std::int32_t level;
};
BlackMarkValues blackMarkValuesOf(const PrintSettings& settings);

// Checked before writing, and only when Black Mark Mode is not index 0: the message of the
// first value out of its range, or nullopt when all pass.
std::optional<std::string_view> blackMarkCheckFailure(const PrintSettings& settings);

}  // namespace z3mq
