#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog_template.h"

namespace z3mq {

// Page templates that give a group box's rectangle but not each control's: the controls go in
// the order listed, one row each, so that nothing overlaps and every text fits the dialog font
// (an average character is 4 dialog units wide and 8 high).
inline constexpr int kDluPerCharacter = 4;
inline constexpr int kTextLineHeight = 8;
inline constexpr int kFieldHeight = 12;  // edit, address field, closed drop-down list

// Item texts of a list as a template holds them.
template <std::size_t N>
std::vector<std::string> itemsOf(const std::array<std::string_view, N>& items) {
  return {items.begin(), items.end()};
}

// The lines a text needs at this width.
int textLines(std::string_view text, int width);

// Rows of label and field inside an area of a page, top to bottom.
class RowLayout {
 public:
  enum class Label { Above, Left };

  // labelWidth is used by Label::Left; hintWidth reserves room right of each field for a hint.
  RowLayout(std::vector<ControlTemplate>& controls, RectDlu area, Label placement,
            int labelWidth = 0, int hintWidth = 0);

  // The label (none when empty; labelId names it when something addresses it), the field, whose
  // id, kind, texts and style the caller gives, and the hint right of the field (none when empty).
  void row(std::string_view label, ControlTemplate field, std::string_view hint = {},
           int labelId = 0);

  // Where the next row would start.
  int nextY() const { return y_; }

 private:
  std::vector<ControlTemplate>& controls_;
  RectDlu area_;
  Label placement_;
  int labelWidth_;
  int hintWidth_;
  int y_;
};

// A group box with its caption; returns the area inside it for a RowLayout.
RectDlu addGroupBox(std::vector<ControlTemplate>& controls, std::string_view caption, RectDlu box);

}  // namespace z3mq
