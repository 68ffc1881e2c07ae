#pragma once

#include <QFont>
#include <QRect>

#include "ui/dialog_template.h"

namespace z3mq {

// The dialog font's average character cell, from which dialog units are measured: a horizontal
// unit is a quarter of cx, a vertical one an eighth of cy.
struct BaseUnits {
  int cx = 0;
  int cy = 0;
};

// Measured the way Windows measures a dialog font: cx from the average width of the 52 Latin
// letters, rounded; cy the font's height.
BaseUnits baseUnitsOf(const QFont& font);

// Edges are converted one by one, each rounded, so that neighbouring controls stay flush.
QRect toPixels(const RectDlu& rect, BaseUnits units);
QSize toPixels(int widthDlu, int heightDlu, BaseUnits units);

}  // namespace z3mq
