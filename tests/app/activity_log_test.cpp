#include "app/activity_log.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/main_window_template.h"

namespace z3mq {
namespace {

TEST(ActivityLog, KeepsColouredPiecesAndMirrorsEachOnItsOwnLine) {
  Dialog window(mainWindowTemplate());
  ActivityLog log(window, true);
  testing::internal::CaptureStderr();
  log.append(0, "DBT_DEVICEARRIVAL: \\\\?\\USB#VID_28E9&PID_018A");
  log.append(1, "Print Setting Page\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "z3mq[log 0] DBT_DEVICEARRIVAL: \\\\?\\USB#VID_28E9&PID_018A\n"
            "z3mq[log 1] Print Setting Page\n");
  EXPECT_EQ(log.lines(),
            (std::vector<ColouredText>{{0, "DBT_DEVICEARRIVAL: \\\\?\\USB#VID_28E9&PID_018A"},
                                       {1, "Print Setting Page\n"}}));
  EXPECT_THROW(log.append(4, "x\n"), std::out_of_range);
}

TEST(ActivityLog, QuietUnlessAsked) {
  Dialog window(mainWindowTemplate());
  ActivityLog log(window, false);
  testing::internal::CaptureStderr();
  log.append(2, "note\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace z3mq
