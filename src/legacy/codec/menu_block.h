#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "legacy/codec/menu_items.h"

namespace z3mq {

// The nine menu bytes, Byte 0 first.
using MenuBlock = std::array<std::uint8_t, 9>;

inline constexpr int kNoSelection = -1;

// What the menu page shows: the selected index of each list and the state of each check box.
struct MenuSelections {
  std::array<int, kMenuListFields.size()> lists{};  // as kMenuListFields; kNoSelection: none
  std::array<bool, kMenuCheckCount> checks{};       // 1080 first

  // By control id; throw std::out_of_range for an id that is not one of the page's lists or
  // check boxes.
  int& selection(int listId);
  int selection(int listId) const;
  bool& checked(int checkId);
  bool checked(int checkId) const;

  bool operator==(const MenuSelections&) const = default;
};

// The selections the page starts with, before a printer has sent its block.
MenuSelections defaultMenuSelections();

struct MenuEncoding {
  MenuBlock block{};
  // Lists that had no selection (or an index their list lacks). Each is written as index 0 so
  // that it cannot spill into a neighbouring field; the caller says so in the log.
  std::vector<int> unselectedListIds;
};

// Bits that no control covers are written as 0.
MenuEncoding encodeMenuBlock(const MenuSelections& selections);

// A field value for which its list has no item leaves that list without a selection, except
// Byte 0: a code page number outside kCodePages selects the first page.
MenuSelections decodeMenuBlock(const MenuBlock& block);

}  // namespace z3mq
