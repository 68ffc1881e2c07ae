#include "gui/dialog_fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>

namespace z3mq {
namespace {

struct Substitution {
  std::array<std::string_view, 7> faces;
  std::array<const char*, 3> candidates;
  QFont::StyleHint hint;
};

// Windows faces a dialog template may name, and the metrically closest families found on Linux
// desktops, best first. DejaVu Sans Condensed comes first because its cell at dialog sizes is the
// Windows dialog faces' (6 × 13 pixels at 8 points, 7 at 9): a page laid out for the one fits the
// tab control laid out for the other, as it did on Windows. Plain DejaVu Sans is wider and would
// spill pages over the edge.
constexpr std::array<Substitution, 2> kSubstitutions{{
    {{"MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif", "MS Sans Serif", "Tahoma",
      "Segoe UI", "Arial"},
     {"DejaVu Sans Condensed", "Liberation Sans", "Noto Sans"},
     QFont::SansSerif},
    {{"Times New Roman", "Times"},
     {"Liberation Serif", "DejaVu Serif", "Noto Serif"},
     QFont::Serif},
}};

// Over the 52 Latin letters, as dialog base units are measured.
qreal averageCharWidth(const QFont& font) {
  return QFontMetricsF(font).horizontalAdvance(
             QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
         52.0;
}

QString firstInstalled(const QStringList& installed, const std::array<const char*, 3>& families) {
  for (const char* family : families) {
    if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
      return QLatin1String(family);
  }
  return {};
}

}  // namespace

QString installedFamilyFor(std::string_view face) {
  const QString wanted = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
  const QStringList installed = QFontDatabase::families();
  if (!wanted.isEmpty() && installed.contains(wanted, Qt::CaseInsensitive)) return wanted;
  for (const Substitution& substitution : kSubstitutions) {
    for (std::string_view known : substitution.faces) {
      if (known.empty() || known != face) continue;
      if (QString family = firstInstalled(installed, substitution.candidates); !family.isEmpty()) {
        return family;
      }
      QFont generic;
      generic.setStyleHint(substitution.hint);
      return generic.defaultFamily();
    }
  }
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont dialogFont(const FontSpec& wanted) {
  QFont font(installedFamilyFor(wanted.face));
  if (wanted.pointSize > 0) {
    // Whole pixels, as Windows sizes a dialog font; a fractional size would shift the cell.
    const qreal dpi = QGuiApplication::primaryScreen() != nullptr
                          ? QGuiApplication::primaryScreen()->logicalDotsPerInchY()
                          : 96.0;
    font.setPixelSize(static_cast<int>(std::lround(wanted.pointSize * dpi / 72.0)));
  }
  font.setBold(wanted.bold);
  return font;
}

QFont withWidthScaled(QFont font, qreal factor) {
  // Qt's stretch is absolute: 100 is a face of normal width, and a condensed face already is
  // about 87 without being asked.
  qreal current = font.stretch();
  if (font.stretch() == QFont::AnyStretch) {
    QFont unstretched = font;
    unstretched.setStretch(QFont::Unstretched);
    current = 100.0 * averageCharWidth(font) / averageCharWidth(unstretched);
  }
  font.setStretch(std::clamp(static_cast<int>(std::lround(current * factor)), 1, 4000));
  return font;
}

QFont fontWithCell(std::string_view face, int cellHeightPx, int averageWidthPx, bool bold) {
  QFont font(installedFamilyFor(face));
  font.setBold(bold);
  font.setPixelSize(cellHeightPx);
  // The cell is taller than the em; scale the em so that the cell comes out right.
  const qreal cell = QFontMetricsF(font).height();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(cellHeightPx * cellHeightPx / cell))));
  const qreal average = QFontMetricsF(font).horizontalAdvance(QStringLiteral(
                            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                        52.0;
  font.setStretch(
      std::clamp(static_cast<int>(std::lround(100.0 * averageWidthPx / average)), 1, 4000));
  return font;
}

}  // namespace z3mq
