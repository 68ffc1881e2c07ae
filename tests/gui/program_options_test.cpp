#include "gui/program_options.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace z3mq {
namespace {

struct OptionsCase {
  const char* name;
  QStringList arguments;
  const char* simulated;  // the model name, "" for none; nullptr when the line is refused
  bool onlyIfAbsent;
};

class ProgramOptionsTest : public testing::TestWithParam<OptionsCase> {};

TEST_P(ProgramOptionsTest, Parses) {
  const OptionsCase& c = GetParam();
  QStringList arguments{QStringLiteral("z3mq-setting-tool")};
  arguments << c.arguments;
  const auto parsed = parseProgramOptions(arguments);
  if (c.simulated == nullptr) {
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
    EXPECT_FALSE(std::get<std::string>(parsed).empty());
    return;
  }
  ASSERT_TRUE(std::holds_alternative<ProgramOptions>(parsed)) << std::get<std::string>(parsed);
  const ProgramOptions& options = std::get<ProgramOptions>(parsed);
  if (*c.simulated == '\0') {
    EXPECT_EQ(options.simulate, nullptr);
  } else {
    ASSERT_NE(options.simulate, nullptr);
    EXPECT_EQ(options.simulate->modelName, c.simulated);
  }
  EXPECT_EQ(options.onlyIfAbsent, c.onlyIfAbsent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramOptionsTest,
    testing::Values(OptionsCase{"Nothing", {}, "", false},
                    OptionsCase{"Simulate", {"--simulate", "z3m-usb"}, "Z3M-P", false},
                    OptionsCase{"SimulateWithEquals", {"--simulate=q470"}, "Q470", false},
                    OptionsCase{"SimulateIfAbsent", {"--simulate-if-absent", "q470"}, "Q470", true},
                    OptionsCase{"UnknownModel", {"--simulate", "q480"}, nullptr, false},
                    OptionsCase{"MissingModel", {"--simulate"}, nullptr, false},
                    OptionsCase{"BothOptions",
                                {"--simulate", "z3m", "--simulate-if-absent", "q470"},
                                nullptr,
                                false},
                    OptionsCase{"UnknownOption", {"--port", "/dev/ttyACM0"}, nullptr, false},
                    OptionsCase{"StrayArgument", {"/dev/ttyACM0"}, nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace z3mq
