#include "framed/codec/print_setting_lists.h"

#include <algorithm>

namespace z3mq {

int codePageIndexOf(std::uint8_t number) {
  const auto* row = std::find_if(kCodePages.begin(), kCodePages.end(),
                                 [number](const CodePageRow& r) { return r.number == number; });
  return row == kCodePages.end() ? -1 : static_cast<int>(row - kCodePages.begin());
}

std::optional<std::uint8_t> codePageNumberAt(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= kCodePages.size()) return std::nullopt;
  return kCodePages[static_cast<std::size_t>(index)].number;
}

}  // namespace z3mq
