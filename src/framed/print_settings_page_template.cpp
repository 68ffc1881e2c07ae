#include "framed/print_settings_page_template.h"

#include <array>
#include <string>
#include <vector>

#include "framed/codec/print_setting_lists.h"
#include "framed/print_settings_page_ids.h"
#include "framed/template_layout.h"

namespace z3mq {
namespace {

using namespace print_page;

constexpr int kBelowGroupGap = 3;
constexpr int kHintWidth = 40;

ControlTemplate list(int id, std::vector<std::string> items, ControlStyle style = {}) {
  return {.id = id, .kind = ControlKind::DropDownList, .items = std::move(items), .style = style};
}

// Its text comes from the page's fields when the page initialises.
ControlTemplate centredEdit(int id, bool disabled) {
  return {.id = id, .kind = ControlKind::Edit, .style = {.disabled = disabled, .centred = true}};
}

std::vector<std::string> codePageItems() {
  std::vector<std::string> items;
  for (const CodePageRow& row : kCodePages) items.emplace_back(row.text);
  return items;
}

RectDlu below(RectDlu box, int width) {
  return {box.x, box.y + box.h + kBelowGroupGap, width, 0};
}

void fontSystem(std::vector<ControlTemplate>& c) {
  RowLayout rows(c, addGroupBox(c, "Font system", {9, 7, 97, 116}), RowLayout::Label::Above);
  rows.row("Codepage type", list(kCodePageType, itemsOf(kCodePageTypeItems)));
  rows.row("Codepage", list(kCodePage, codePageItems()));
  rows.row("Multi-Language font", list(kMultiLanguageFont, itemsOf(kMultiLanguageFontItems)));
  rows.row("International character set",
           list(kInternationalCharacterSet, itemsOf(kInternationalCharacterSetItems)));
}

void serialSettings(std::vector<ControlTemplate>& c) {
  RowLayout rows(c, addGroupBox(c, "Serial Settings", {10, 128, 97, 97}), RowLayout::Label::Above);
  rows.row("Baudrate", list(kBaudRate, itemsOf(kBaudRateItems)));
  rows.row("Parity bit", list(kParity, itemsOf(kParityItems)));
  rows.row("Handshaking", list(kHandshaking, itemsOf(kHandshakingItems)));
  // Data bits and stop bits exist on the page but are never shown.
  ControlTemplate dataBits = list(kDataBits, itemsOf(kDataBitsItems), {.hidden = true});
  dataBits.rect = {115, 215, 40, kFieldHeight};
  ControlTemplate stopBits = list(kStopBits, itemsOf(kStopBitsItems), {.hidden = true});
  stopBits.rect = {159, 215, 40, kFieldHeight};
  c.push_back(std::move(dataBits));
  c.push_back(std::move(stopBits));
}

void printingSystem(std::vector<ControlTemplate>& c) {
  RowLayout rows(c, addGroupBox(c, "Printing system", {113, 7, 89, 121}), RowLayout::Label::Above);
  rows.row("Printing speed", list(kPrintingSpeed, itemsOf(kPrintingSpeedItems)));
  rows.row("Paper width", list(kPaperWidth, itemsOf(kPaperWidthItems)));
  rows.row("Column", list(kColumn, itemsOf(kColumnItems)));
  rows.row("Print density", list(kPrintDensity, itemsOf(kPrintDensityItems)));
}

void interface(std::vector<ControlTemplate>& c) {
  constexpr RectDlu kBox{114, 128, 87, 47};
  RowLayout rows(c, addGroupBox(c, "Interface", kBox), RowLayout::Label::Above);
  rows.row("USB mode", list(kUsbMode, itemsOf(kUsbModeItems)));
  // Below the box, as wide as the room up to the next group.
  RowLayout under(c, below(kBox, 91), RowLayout::Label::Above);
  under.row("Handshaking Operation",
            list(kHandshakingOperation, itemsOf(kHandshakingOperationItems)));
}

void autocutAndSound(std::vector<ControlTemplate>& c) {
  constexpr RectDlu kBox{208, 8, 103, 148};
  // "&&" shows as one ampersand.
  RowLayout rows(c, addGroupBox(c, "Autocut && Sound", kBox), RowLayout::Label::Above);
  rows.row("Error sound", list(kErrorSound, itemsOf(kSoundItems)));
  rows.row("Print finish sound", list(kPrintFinishSound, itemsOf(kSoundItems)));
  rows.row("External buzzer pattern",
           list(kExternalBuzzerPattern, itemsOf(kExternalBuzzerPatternItems)));
  rows.row("Auto Cut mode", list(kAutoCutMode, itemsOf(kAutoCutModeItems)));
  rows.row("Near Sensor Sound", list(kNearSensorSound, itemsOf(kNearSensorSoundItems)));
  RowLayout under(c, below(kBox, kBox.w), RowLayout::Label::Above);
  under.row("Paper Saving Mode", list(kPaperSavingMode, itemsOf(kPaperSavingModeItems)));
}

void blackMark(std::vector<ControlTemplate>& c) {
  RowLayout rows(c, addGroupBox(c, "Black Mark", {317, 8, 103, 164}), RowLayout::Label::Above, 0,
                 kHintWidth);
  rows.row("Black Mark Mode", list(kBlackMarkMode, itemsOf(kBlackMarkModeItems), {.sorted = true}));
  rows.row("Black Mark Length", centredEdit(kBlackMarkLength, true), "50~500mm");
  rows.row("Black Mark Width", centredEdit(kBlackMarkWidth, true), "3~30mm");
  rows.row("Print After Black Mark", centredEdit(kPrintAfterBlackMark, true), "-12~500mm");
  rows.row("Cut After Black Mark", centredEdit(kCutAfterBlackMark, true), "-23~500mm");
  rows.row("BM Value", centredEdit(kBmValue, false));
}

void customizedSettings(std::vector<ControlTemplate>& c) {
  addGroupBox(c, "Customized Settings", {222, 187, 98, 29});
  for (int i = 0; i < 8; ++i) {
    c.push_back({.id = kFirstCustomSwitch + i,
                 .kind = ControlKind::CheckBox,
                 .rect = {232 + 10 * i, 200, 9, 10}});
  }
}

void buttons(std::vector<ControlTemplate>& c) {
  c.push_back({.id = kPrintSettingPageButton,
               .kind = ControlKind::PushButton,
               .text = "Print Setting Page",
               .rect = {341, 174, 80, 24}});
  c.push_back({.id = kPrintAsciiButton,
               .kind = ControlKind::PushButton,
               .text = "Print ASCII",
               .rect = {341, 200, 80, 23}});
}

}  // namespace

DialogTemplate printSettingsPageTemplate() {
  DialogTemplate page{
      .id = kTemplateId, .widthDlu = 440, .heightDlu = 240, .font = {"MS Shell Dlg", 8}};
  auto& c = page.controls;
  fontSystem(c);
  serialSettings(c);
  printingSystem(c);
  interface(c);
  autocutAndSound(c);
  blackMark(c);
  customizedSettings(c);
  buttons(c);
  return page;
}

}  // namespace z3mq
