#include "framed/codec/black_mark.h"

#include <array>

#include "codec/text.h"

namespace z3mq {
namespace {

struct RangeCheck {
  std::int32_t BlackMarkValues::*value;
  std::int32_t low;
  std::int32_t high;
  std::string_view message;
};

constexpr std::array kChecks{
    RangeCheck{&BlackMarkValues::lengthMm, 50, 500, "Check the range 50 ~ 500mm"},
    RangeCheck{&BlackMarkValues::widthMm, 3, 30, "Check the range 3 ~ 30mm"},
    RangeCheck{&BlackMarkValues::printAfterMm, -12, 500, "Check the range -12 ~ 500mm"},
    RangeCheck{&BlackMarkValues::cutAfterMm, -23, 500, "Check the range -23 ~ 500mm"},
    RangeCheck{&BlackMarkValues::level, 30, 210, "Check the level 30 ~ 210"},
};

}  // namespace

BlackMarkValues blackMarkValuesOf(const PrintSettings& settings) {
  return {settings.blackMarkLengthMm, settings.blackMarkWidthMm,
          leadingInteger(settings.printAfterBlackMark), leadingInteger(settings.cutAfterBlackMark),
          leadingInteger(settings.bmValue)};
}

std::optional<std::string_view> blackMarkCheckFailure(const PrintSettings& settings) {
  if (settings.blackMarkMode == 0) return std::nullopt;
  const BlackMarkValues values = blackMarkValuesOf(settings);
  for (const RangeCheck& check : kChecks) {
    const std::int32_t value = values.*check.value;
    if (value < check.low || value > check.high) return check.message;
  }
  return std::nullopt;
}

}  // namespace z3mq
