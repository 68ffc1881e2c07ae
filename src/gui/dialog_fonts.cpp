#include "gui/dialog_fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace z3mq {
namespace {

struct Substitution {
  std::array<std::string_view, 7> faces;
  std::array<const char*, 3> candidates;
  QFont::StyleHint hint;
};

// Windows faces a dialog template may name, and the metrically closest families found on Linux
// desktops, best first.
constexpr std::array<Substitution, 2> kSubstitutions{{
    {{"MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif", "MS Sans Serif", "Tahoma",
      "Segoe UI", "Arial"},
     {"Liberation Sans", "DejaVu Sans", "Noto Sans"},
     QFont::SansSerif},
    {{"Times New Roman", "Times"},
     {"Liberation Serif", "DejaVu Serif", "Noto Serif"},
     QFont::Serif},
}};

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

QFont dialogFont(const FontSpec& spec) {
  QFont font(installedFamilyFor(spec.face));
  if (spec.pointSize > 0) font.setPointSize(spec.pointSize);
  font.setBold(spec.bold);
  return font;
}

}  // namespace z3mq
