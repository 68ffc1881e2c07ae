#include "ui/headless/fake_timers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace z3mq {
namespace {

using std::chrono::milliseconds;

// Each tick as "id@ms" on the fake clock.
class FakeTimersTest : public testing::Test {
 protected:
  FakeTimersTest() {
    timers.setTickHandler([this](int id) {
      ticks.push_back(std::to_string(id) + "@" + std::to_string(elapsedMs()));
      if (onTick) onTick(id);
    });
  }

  long elapsedMs() const {
    return std::chrono::duration_cast<milliseconds>(clock.now().time_since_epoch()).count();
  }

  FakeClock clock;
  FakeTimers timers{clock};
  std::vector<std::string> ticks;
  std::function<void(int)> onTick;
};

TEST_F(FakeTimersTest, DeliversTicksInTimeOrderWithTiesByIdAndEndsAtTheTarget) {
  timers.start(2, milliseconds{400});
  timers.start(1, milliseconds{1000});
  timers.advance(milliseconds{2100});
  EXPECT_EQ(ticks, (std::vector<std::string>{"2@400", "2@800", "1@1000", "2@1200", "2@1600",
                                             "1@2000", "2@2000"}));
  EXPECT_EQ(elapsedMs(), 2100);
}

TEST_F(FakeTimersTest, HandlerMayStopOrRestartItsOwnTimer) {
  timers.start(2, milliseconds{1});
  timers.start(1, milliseconds{10});
  onTick = [this](int id) {
    if (id == 2) timers.stop(2);
    if (id == 1) timers.start(1, milliseconds{25});
  };
  timers.advance(milliseconds{60});
  EXPECT_EQ(ticks, (std::vector<std::string>{"2@1", "1@10", "1@35", "1@60"}));
  EXPECT_FALSE(timers.isRunning(2));
  EXPECT_TRUE(timers.isRunning(1));
}

TEST_F(FakeTimersTest, TicksMissedDuringAFixedWaitComeOnceLate) {
  timers.start(1, milliseconds{1000});
  timers.start(2, milliseconds{1});
  onTick = [this](int id) {
    if (id == 2 && clock.sleeps().empty()) clock.sleepFor(milliseconds{3500});
  };
  timers.advance(milliseconds{3502});
  EXPECT_EQ(ticks, (std::vector<std::string>{"2@1", "2@3501", "1@3501", "2@3502"}));
  EXPECT_EQ(clock.sleeps(), (std::vector<milliseconds>{milliseconds{3500}}));
}

TEST_F(FakeTimersTest, FireDeliversAnyIdAtOnce) {
  timers.fire(7);
  EXPECT_EQ(ticks, (std::vector<std::string>{"7@0"}));
  EXPECT_FALSE(timers.isRunning(7));
}

}  // namespace
}  // namespace z3mq
