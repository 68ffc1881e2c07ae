#include "gui/device_event_notifier.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <array>
#include <vector>

namespace z3mq {
namespace {

// A pipe stands for the hot-plug monitor's descriptor: each byte written is one event waiting.
TEST(DeviceEventNotifier, DeliversWhatTheDrainCollectsOnTheUiThreadInOrder) {
  std::array<int, 2> pipe{};
  ASSERT_EQ(::pipe(pipe.data()), 0);
  std::vector<DeviceEvent> delivered;
  DeviceEventNotifier notifier(
      pipe[0],
      [&] {
        std::vector<DeviceEvent> events;
        char byte = 0;
        while (events.size() < 2 && ::read(pipe[0], &byte, 1) == 1) {
          events.push_back({byte == 'a' ? device_event::kArrival : device_event::kRemoveComplete,
                            std::string("\\\\?\\USB#VID_28E9&PID_018A#") + byte});
        }
        return events;
      },
      [&](const DeviceEvent& event) { delivered.push_back(event); });
  ASSERT_EQ(::write(pipe[1], "ar", 2), 2);
  EXPECT_TRUE(QTest::qWaitFor([&] { return delivered.size() == 2; }, 5000));
  ::close(pipe[0]);
  ::close(pipe[1]);
  ASSERT_EQ(delivered.size(), 2u);
  EXPECT_EQ(delivered[0].code, device_event::kArrival);
  EXPECT_EQ(delivered[1].code, device_event::kRemoveComplete);
  EXPECT_EQ(delivered[1].interfaceName, "\\\\?\\USB#VID_28E9&PID_018A#r");
}

}  // namespace
}  // namespace z3mq
