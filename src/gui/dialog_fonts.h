#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "ui/dialog_template.h"

namespace z3mq {

// The installed family that stands in for a face the templates name: the face itself when it is
// installed, else a close one (a sans for the Windows dialog faces, a serif for Times), else the
// system's general font.
QString installedFamilyFor(std::string_view face);

// The font of a template: its face or the stand-in, its point size and weight.
QFont dialogFont(const FontSpec& wanted);

// The font with its characters made `factor` times as wide as they are now.
QFont withWidthScaled(QFont font, qreal factor);

// A font given the way Windows logical fonts are: the height of its character cell and its
// average character width in pixels. The width is reached by stretching the stand-in face.
QFont fontWithCell(std::string_view face, int cellHeightPx, int averageWidthPx, bool bold);

}  // namespace z3mq
