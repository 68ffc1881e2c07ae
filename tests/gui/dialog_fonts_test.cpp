#include "gui/dialog_fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace z3mq {
namespace {

bool isSerif(const QString& family) {
  return family.contains(QStringLiteral("Serif"), Qt::CaseInsensitive) &&
         !family.contains(QStringLiteral("Sans"), Qt::CaseInsensitive);
}

TEST(DialogFonts, WindowsDialogFacesBecomeAnInstalledSans) {
  for (const char* face : {"MS Shell Dlg", "Microsoft Sans Serif", "Tahoma"}) {
    const QString family = installedFamilyFor(face);
    EXPECT_TRUE(QFontDatabase::families().contains(family))
        << face << " → " << family.toStdString();
    EXPECT_FALSE(isSerif(family)) << face << " → " << family.toStdString();
  }
}

TEST(DialogFonts, TimesBecomesASerif) {
  const QString family = installedFamilyFor("Times New Roman");
  if (QFontDatabase::families().contains(QStringLiteral("Times New Roman"))) {
    EXPECT_EQ(family, QStringLiteral("Times New Roman"));
  } else {
    EXPECT_TRUE(isSerif(family)) << family.toStdString();
  }
}

TEST(DialogFonts, AnInstalledFaceIsKept) {
  const QString installed = QFontDatabase::families().value(0);
  ASSERT_FALSE(installed.isEmpty());
  EXPECT_EQ(installedFamilyFor(installed.toStdString()), installed);
}

TEST(DialogFonts, SizeAndWeightComeFromTheTemplate) {
  const QFont font = dialogFont({"Times New Roman", 20, true});
  EXPECT_EQ(font.pointSize(), 20);
  EXPECT_TRUE(QFontInfo(font).bold());
}

}  // namespace
}  // namespace z3mq
