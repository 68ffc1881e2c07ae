#include "legacy/codec/menu_block.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace z3mq {

namespace {

std::size_t listPosition(int listId) {
  const auto it = std::find_if(kMenuListFields.begin(), kMenuListFields.end(),
                               [listId](const MenuListField& f) { return f.controlId == listId; });
  if (it == kMenuListFields.end()) {
    throw std::out_of_range("control " + std::to_string(listId) + " is no menu list");
  }
  return static_cast<std::size_t>(it - kMenuListFields.begin());
}

std::size_t checkPosition(int checkId) {
  if (checkId < kFirstMenuCheckId ||
      checkId >= kFirstMenuCheckId + static_cast<int>(kMenuCheckCount)) {
    throw std::out_of_range("control " + std::to_string(checkId) + " is no menu check box");
  }
  return static_cast<std::size_t>(checkId - kFirstMenuCheckId);
}

// Check box at `position` (1080 + position) holds this bit of Byte 8.
std::uint8_t checkMask(std::size_t position) {
  return static_cast<std::uint8_t>(0x80 >> position);
}

bool hasItem(const MenuListField& field, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < field.items.size();
}

int codePageIndex(std::uint8_t number) {
  const auto it =
      std::find_if(menu::kCodePages.begin(), menu::kCodePages.end(),
                   [number](const menu::CodePage& page) { return page.number == number; });
  return it == menu::kCodePages.end() ? 0 : static_cast<int>(it - menu::kCodePages.begin());
}

}  // namespace

int& MenuSelections::selection(int listId) {
  return lists[listPosition(listId)];
}
int MenuSelections::selection(int listId) const {
  return lists[listPosition(listId)];
}
bool& MenuSelections::checked(int checkId) {
  return checks[checkPosition(checkId)];
}
bool MenuSelections::checked(int checkId) const {
  return checks[checkPosition(checkId)];
}

MenuSelections defaultMenuSelections() {
  MenuSelections selections;
  for (std::size_t i = 0; i < kMenuListFields.size(); ++i) {
    selections.lists[i] = kMenuListFields[i].defaultIndex;
  }
  return selections;
}

MenuEncoding encodeMenuBlock(const MenuSelections& selections) {
  MenuEncoding encoding;
  for (std::size_t i = 0; i < kMenuListFields.size(); ++i) {
    const MenuListField& field = kMenuListFields[i];
    int index = selections.lists[i];
    if (!hasItem(field, index)) {
      encoding.unselectedListIds.push_back(field.controlId);
      index = 0;
    }
    const unsigned value = field.controlId == kCodePageListId
                               ? menu::kCodePages[static_cast<std::size_t>(index)].number
                               : static_cast<unsigned>(index);
    encoding.block[field.byte] |= static_cast<std::uint8_t>(value << field.shift);
  }
  for (std::size_t i = 0; i < kMenuCheckCount; ++i) {
    if (selections.checks[i]) encoding.block[kMenuCheckByte] |= checkMask(i);
  }
  return encoding;
}

MenuSelections decodeMenuBlock(const MenuBlock& block) {
  MenuSelections selections;
  for (std::size_t i = 0; i < kMenuListFields.size(); ++i) {
    const MenuListField& field = kMenuListFields[i];
    const std::uint8_t byte = block[field.byte];
    if (field.controlId == kCodePageListId) {
      selections.lists[i] = codePageIndex(byte);
      continue;
    }
    const int value = (byte >> field.shift) & ((1 << field.width) - 1);
    selections.lists[i] = hasItem(field, value) ? value : kNoSelection;
  }
  for (std::size_t i = 0; i < kMenuCheckCount; ++i) {
    selections.checks[i] = (block[kMenuCheckByte] & checkMask(i)) != 0;
  }
  return selections;
}

}  // namespace z3mq
