#pragma once

#include <cstdint>

#include "framed/codec/print_settings.h"

namespace z3mq::test {

// Black Mark Mode ('Enable' or 'Disable'), the fields' enabling that goes with it, and the five
// Black Mark values.
inline void setBlackMark(PrintSettings& s, bool enabled, std::int32_t lengthMm,
                         std::int32_t widthMm, const char* printAfter, const char* cutAfter,
                         const char* level) {
  s.blackMarkMode = enabled ? 1 : 0;
  s.enableBlackMarkFields(enabled);
  s.blackMarkLengthMm = lengthMm;
  s.blackMarkWidthMm = widthMm;
  s.printAfterBlackMark = printAfter;
  s.cutAfterBlackMark = cutAfter;
  s.bmValue = level;
}

}  // namespace z3mq::test
