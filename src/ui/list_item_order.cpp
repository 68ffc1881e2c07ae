#include "ui/list_item_order.h"

#include <algorithm>
#include <utility>

namespace z3mq {
namespace {

// (class, value): punctuation and blanks 0, digits 1, letters 2 (folded), other bytes 3.
std::pair<int, int> sortKey(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= '0' && u <= '9') return {1, u};
  if (u >= 'a' && u <= 'z') return {2, u};
  if (u >= 'A' && u <= 'Z') return {2, u - 'A' + 'a'};
  if (u >= 0x80) return {3, u};
  return {0, u};
}

}  // namespace

bool listItemLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return sortKey(x) < sortKey(y); });
}

void sortListItems(std::vector<std::string>& items) {
  std::stable_sort(items.begin(), items.end(), listItemLess);
}

}  // namespace z3mq
