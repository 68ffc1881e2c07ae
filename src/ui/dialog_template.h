#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "codec/ipv4.h"

namespace z3mq {

enum class ControlKind {
  Label,     // static text
  GroupBox,  // frame with a caption
  Picture,   // bitmap or icon
  PushButton,
  CheckBox,      // automatic: every click toggles it
  DropDownList,  // combo box; its value is the selected index
  Edit,
  Ipv4Address,
  TabControl,
  RichText,  // coloured text, appended piece by piece
};

// Dialog units: horizontal ones are a quarter, vertical ones an eighth of the dialog font's
// average character cell.
struct RectDlu {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

struct FontSpec {
  std::string face{};
  int pointSize = 0;
  bool bold = false;
};

struct ControlStyle {
  bool hidden = false;
  bool disabled = false;
  bool centred = false;
  bool rightAligned = false;
  bool sorted = false;            // drop-down list: items kept in sorted order
  bool editableDropDown = false;  // drop-down list with an edit field on top
};

struct ControlTemplate {
  // Positive for controls that the logic finds by id; 0 or negative for statics and group boxes
  // that nothing addresses (several may share such an id).
  int id = 0;
  ControlKind kind = ControlKind::Label;
  std::string text{};
  std::vector<std::string> items{};  // drop-down list items, or tab items
  RectDlu rect{};
  ControlStyle style{};
  std::uint32_t address = 0;       // IPv4 address field: first octet most significant
  int imageId = 0;                 // picture: the artwork to show
  std::optional<FontSpec> font{};  // instead of the dialog's font
};

struct DialogTemplate {
  int id = 0;
  std::string caption{};
  int widthDlu = 0;
  int heightDlu = 0;
  FontSpec font{};
  std::vector<ControlTemplate> controls{};
};

}  // namespace z3mq
