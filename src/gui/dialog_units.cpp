#include "gui/dialog_units.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>

namespace z3mq {
namespace {

// x * numerator / denominator, rounded half away from zero.
int scaled(int x, int numerator, int denominator) {
  const long long product = static_cast<long long>(x) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

BaseUnits baseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  // The Windows dialog faces carry more leading than their substitutes: their cells are 13 pixels
  // high at 8 points and 15 at 9, where DejaVu's 9-point cell is a pixel short. Keep the Windows
  // cell, or the tab control (9-point units) comes out too short for its pages (8-point units).
  const int windowsCell = font.pixelSize() > 0 ? font.pixelSize() * 5 / 4 : 0;
  return {.cx = (letters / 26 + 1) / 2, .cy = std::max(metrics.height(), windowsCell)};
}

QRect toPixels(const RectDlu& rect, BaseUnits units) {
  const int left = scaled(rect.x, units.cx, 4);
  const int top = scaled(rect.y, units.cy, 8);
  const int right = scaled(rect.x + rect.w, units.cx, 4);
  const int bottom = scaled(rect.y + rect.h, units.cy, 8);
  return {left, top, right - left, bottom - top};
}

QSize toPixels(int widthDlu, int heightDlu, BaseUnits units) {
  return toPixels(RectDlu{0, 0, widthDlu, heightDlu}, units).size();
}

}  // namespace z3mq
