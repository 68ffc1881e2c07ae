#include "framed/codec/framed_code.h"

#include <gtest/gtest.h>

namespace z3mq {
namespace {

struct CodeCase {
  std::uint16_t code;
  std::string_view name;
  bool acknowledgement;
};

class FramedCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(FramedCodeTest, NamesTheCodeAndKnowsItsAnswer) {
  const CodeCase& c = GetParam();
  EXPECT_EQ(framedCodeName(FramedCode{c.code}), c.name);
  EXPECT_EQ(answerIsAcknowledgement(FramedCode{c.code}), c.acknowledgement);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, FramedCodeTest,
    testing::Values(
        CodeCase{0x0103, "ReadModelName", false}, CodeCase{0x0118, "ReadBlackMark", false},
        CodeCase{0x0202, "WriteCodePage", true}, CodeCase{0x021E, "WriteInterface", true},
        CodeCase{0x0223, "WriteBluetoothSettings", true},
        CodeCase{0x021F, "WriteWifiSettings", false}, CodeCase{0x0222, "WriteCodePageType", false},
        CodeCase{0x0228, "PrintSettingPage", false}, CodeCase{0x022A, "WriteFontLanguage", false},
        // Inside the write range but not in the catalogue.
        CodeCase{0x0214, "Unknown", false}, CodeCase{0x0000, "Unknown", false},
        CodeCase{0xFFFF, "Unknown", false}),
    [](const auto& info) {
      return std::string(info.param.name) + "_" + std::to_string(info.param.code);
    });

}  // namespace
}  // namespace z3mq
