#include "gui/dialog_fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
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
  const QFont font = dialogFont({"Times New Roman", 18, true});
  // 18 points are 24 whole pixels at 96 dpi.
  EXPECT_EQ(font.pixelSize(), 18 * QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 72);
  EXPECT_TRUE(QFontInfo(font).bold());
}

TEST(DialogFonts, ACellOfGivenHeightAndAverageWidth) {
  // The device label's font: a 40-pixel cell, 10 pixels a character on average, bold.
  const QFont font = fontWithCell("Times New Roman", 40, 10, true);
  const QFontMetricsF metrics(font);
  EXPECT_NEAR(metrics.height(), 40, 2);
  const qreal average = metrics.horizontalAdvance(QStringLiteral(
                            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                        52;
  EXPECT_NEAR(average, 10, 1);
  EXPECT_TRUE(QFontInfo(font).bold());
}

}  // namespace
}  // namespace z3mq
