#include "legacy/menu_switch_page_template.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "legacy/codec/menu_items.h"

namespace z3mq {

namespace {

// Where each list and its label sit; texts and items come from the menu tables.
struct ListPlacement {
  int controlId;
  RectDlu list;
  RectDlu label;  // unused for the code page list, which has no label
};

constexpr std::array<ListPlacement, kMenuListFields.size()> kListPlacements{{
    {kCodePageListId, {12, 23, 86, 30}, {}},       {1182, {13, 82, 85, 30}, {13, 71, 84, 8}},
    {1270, {117, 29, 85, 30}, {117, 18, 50, 8}},   {1271, {117, 56, 51, 30}, {117, 45, 59, 8}},
    {1272, {117, 82, 86, 30}, {117, 71, 50, 8}},   {1273, {117, 109, 85, 30}, {118, 98, 65, 8}},
    {1184, {226, 28, 73, 30}, {226, 18, 46, 8}},   {1187, {226, 54, 74, 30}, {226, 42, 39, 8}},
    {1180, {226, 78, 48, 30}, {226, 67, 57, 8}},   {1188, {226, 102, 74, 30}, {226, 91, 41, 8}},
    {1194, {329, 28, 69, 30}, {329, 18, 38, 8}},   {1195, {329, 54, 69, 30}, {329, 43, 56, 8}},
    {1217, {329, 78, 70, 30}, {329, 67, 61, 8}},   {1218, {329, 102, 60, 30}, {329, 92, 49, 8}},
    {1247, {14, 153, 47, 30}, {16, 142, 30, 8}},   {1248, {14, 177, 48, 30}, {14, 167, 30, 8}},
    {1249, {14, 201, 80, 30}, {16, 191, 42, 8}},   {1250, {117, 153, 56, 30}, {117, 142, 46, 8}},
    {1251, {117, 177, 57, 30}, {117, 167, 33, 8}}, {1252, {178, 152, 56, 30}, {178, 143, 61, 8}},
    {1253, {178, 177, 56, 30}, {178, 167, 64, 8}}, {1254, {178, 201, 56, 30}, {178, 191, 47, 8}},
    {1255, {256, 154, 82, 30}, {258, 143, 36, 8}},
}};

struct GroupBox {
  const char* caption;  // "&&" shows one ampersand
  RectDlu rect;
};

constexpr std::array<GroupBox, 9> kGroupBoxes{{
    {"Byte 0 (Codepage)", {4, 8, 99, 44}},
    {"Byte 1 (Font system)", {5, 59, 99, 43}},
    {"Byte 2 (Font System)", {110, 8, 101, 119}},
    {"Byte 3 (Printing system)", {218, 8, 96, 111}},
    {"Byte 4 (AutoCut && Sound)", {328, 8, 96, 112}},
    {"Byte 5 (Serial Settings)", {8, 132, 96, 86}},
    {"Byte 6 (USB, WIFI, BT, ETH)", {111, 132, 135, 86}},
    {"Byte 7 (ETC)", {249, 132, 96, 40}},
    {"Byte 8 (Custom)", {251, 173, 93, 34}},
}};

const MenuListField& fieldOf(int controlId) {
  return *std::find_if(kMenuListFields.begin(), kMenuListFields.end(),
                       [controlId](const MenuListField& f) { return f.controlId == controlId; });
}

}  // namespace

DialogTemplate menuSwitchPageTemplate() {
  using K = ControlKind;
  DialogTemplate page{.id = 146, .widthDlu = 440, .heightDlu = 240, .font = {"MS Shell Dlg", 8}};
  auto& controls = page.controls;
  for (const GroupBox& group : kGroupBoxes) {
    controls.push_back({.id = -1, .kind = K::GroupBox, .text = group.caption, .rect = group.rect});
  }
  for (const ListPlacement& placement : kListPlacements) {
    const MenuListField& field = fieldOf(placement.controlId);
    if (!field.label.empty()) {
      controls.push_back(
          {.id = -1, .kind = K::Label, .text = std::string(field.label), .rect = placement.label});
    }
    controls.push_back({.id = field.controlId,
                        .kind = K::DropDownList,
                        .items = std::vector<std::string>(field.items.begin(), field.items.end()),
                        .rect = placement.list,
                        .style = {.editableDropDown = true}});
  }
  for (int i = 0; i < static_cast<int>(kMenuCheckCount); ++i) {
    controls.push_back(
        {.id = kFirstMenuCheckId + i, .kind = K::CheckBox, .rect = {255 + 10 * i, 185, 9, 10}});
  }
  // Names of the Byte 8 bits, under their check boxes; never visible.
  controls.push_back({.id = -1,
                      .kind = K::Label,
                      .text = "Reserved",
                      .rect = {255, 197, 59, 8},
                      .style = {.hidden = true}});
  controls.push_back({.id = -1,
                      .kind = K::Label,
                      .text = "Tab Ignored",
                      .rect = {315, 197, 9, 8},
                      .style = {.hidden = true}});
  controls.push_back({.id = -1,
                      .kind = K::Label,
                      .text = "Emphasized mode",
                      .rect = {325, 197, 9, 8},
                      .style = {.hidden = true}});
  controls.push_back({.id = menu_page::kPrintSettingPageButton,
                      .kind = K::PushButton,
                      .text = "Print Setting Page",
                      .rect = {350, 127, 74, 22}});
  controls.push_back({.id = menu_page::kPrintAsciiButton,
                      .kind = K::PushButton,
                      .text = "Print ASCII",
                      .rect = {350, 150, 74, 23}});
  controls.push_back({.id = menu_page::kResetButton,
                      .kind = K::PushButton,
                      .text = "Reset Printer",
                      .rect = {17, 106, 74, 14},
                      .style = {.hidden = true, .disabled = true}});
  return page;
}

}  // namespace z3mq
