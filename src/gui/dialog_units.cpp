#include "gui/dialog_units.h"

#include <QFontMetrics>
#include <QString>

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
  return {.cx = (letters / 26 + 1) / 2, .cy = metrics.height()};
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
