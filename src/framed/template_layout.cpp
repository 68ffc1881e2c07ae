#include "framed/template_layout.h"

#include <utility>

namespace z3mq {
namespace {

constexpr int kGroupCaptionHeight = 11;
constexpr int kGroupMargin = 5;
constexpr int kGap = 2;
constexpr int kLeftRowHeight = kFieldHeight + 3;
constexpr int kAboveRowGap = 3;

}  // namespace

int textLines(std::string_view text, int width) {
  const int perLine = width / kDluPerCharacter;
  const int characters = static_cast<int>(text.size());
  return perLine <= 0 ? characters : (characters + perLine - 1) / perLine;
}

RowLayout::RowLayout(std::vector<ControlTemplate>& controls, RectDlu area, Label placement,
                     int labelWidth, int hintWidth)
    : controls_(controls),
      area_(area),
      placement_(placement),
      labelWidth_(labelWidth),
      hintWidth_(hintWidth),
      y_(area.y) {}

void RowLayout::row(std::string_view label, ControlTemplate field, std::string_view hint,
                    int labelId) {
  const int hintSpace = hintWidth_ > 0 ? hintWidth_ + kGap : 0;
  int fieldX = area_.x;
  int fieldY = y_;
  if (placement_ == Label::Above) {
    if (!label.empty()) {
      const int height = textLines(label, area_.w) * kTextLineHeight;
      controls_.push_back({.id = labelId,
                           .kind = ControlKind::Label,
                           .text = std::string(label),
                           .rect = {area_.x, y_, area_.w, height}});
      fieldY += height;
    }
  } else {
    controls_.push_back({.id = labelId,
                         .kind = ControlKind::Label,
                         .text = std::string(label),
                         .rect = {area_.x, y_ + 2, labelWidth_, kTextLineHeight}});
    fieldX += labelWidth_ + kGap;
  }
  const int fieldHeight = field.kind == ControlKind::Label ? kTextLineHeight : kFieldHeight;
  field.rect = {fieldX, fieldY + (field.kind == ControlKind::Label ? 2 : 0),
                area_.x + area_.w - fieldX - hintSpace, fieldHeight};
  controls_.push_back(std::move(field));
  if (!hint.empty()) {
    controls_.push_back(
        {.kind = ControlKind::Label,
         .text = std::string(hint),
         .rect = {area_.x + area_.w - hintWidth_, fieldY + 2, hintWidth_, kTextLineHeight}});
  }
  y_ = placement_ == Label::Above ? fieldY + kFieldHeight + kAboveRowGap : y_ + kLeftRowHeight;
}

RectDlu addGroupBox(std::vector<ControlTemplate>& controls, std::string_view caption, RectDlu box) {
  controls.push_back(
      {.id = 0, .kind = ControlKind::GroupBox, .text = std::string(caption), .rect = box});
  return {box.x + kGroupMargin, box.y + kGroupCaptionHeight, box.w - 2 * kGroupMargin,
          box.h - kGroupCaptionHeight - kGroupMargin};
}

}  // namespace z3mq
