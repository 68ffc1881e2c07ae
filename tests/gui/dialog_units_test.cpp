#include "gui/dialog_units.h"

#include <gtest/gtest.h>

#include <QFont>

#include "gui/dialog_fonts.h"

namespace z3mq {
namespace {

struct DluCase {
  const char* name;
  RectDlu dlu;
  BaseUnits units;
  QRect pixels;
};

class ToPixels : public testing::TestWithParam<DluCase> {};

TEST_P(ToPixels, ConvertsEachEdgeRounded) {
  EXPECT_EQ(toPixels(GetParam().dlu, GetParam().units), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToPixels,
    testing::Values(
        // 6 × 13 is the classic cell of an 8-point dialog font.
        DluCase{"StaticAtOrigin", {0, 0, 4, 8}, {6, 13}, {0, 0, 6, 13}},
        DluCase{"DefaultPageLabel", {126, 96, 185, 8}, {6, 13}, {189, 156, 278, 13}},
        // 10.5 and 4.875 round up and down; the width is what is left between rounded edges.
        DluCase{"HalfUnitsRoundAwayFromZero", {7, 3, 7, 3}, {6, 13}, {11, 5, 10, 5}},
        DluCase{"NegativeOffset", {-2, -8, 4, 8}, {6, 13}, {-3, -13, 6, 13}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToPixels, NeighboursInDialogUnitsStayFlushInPixels) {
  const BaseUnits units{7, 15};
  for (int x = 0; x < 40; ++x) {
    const QRect left = toPixels({x, 0, 3, 8}, units);
    const QRect right = toPixels({x + 3, 0, 5, 8}, units);
    EXPECT_EQ(left.right() + 1, right.left()) << "at x = " << x;
  }
}

TEST(BaseUnits, FollowTheFontSize) {
  const QFont small = dialogFont({"MS Shell Dlg", 8});
  const QFont large = dialogFont({"MS Shell Dlg", 16});
  const BaseUnits smallUnits = baseUnitsOf(small);
  const BaseUnits largeUnits = baseUnitsOf(large);
  EXPECT_GT(smallUnits.cx, 3);
  EXPECT_GT(smallUnits.cy, smallUnits.cx);
  EXPECT_NEAR(largeUnits.cx, 2 * smallUnits.cx, 2);
  EXPECT_NEAR(largeUnits.cy, 2 * smallUnits.cy, 3);
}

}  // namespace
}  // namespace z3mq
