#include "codec/text.h"

#include <gtest/gtest.h>

#include <vector>

namespace z3mq {
namespace {

struct IntegerCase {
  const char* name;
  const char* text;
  bool found;
  std::int32_t value;
};

class LeadingIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(LeadingIntegerTest, ReadsBlanksSignAndDigits) {
  const IntegerCase& c = GetParam();
  std::int32_t value = 12345;
  EXPECT_EQ(tryLeadingInteger(c.text, value), c.found);
  if (c.found) {
    EXPECT_EQ(value, c.value);
  }
  EXPECT_EQ(leadingInteger(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingIntegerTest,
    testing::Values(IntegerCase{"Plain", "300", true, 300},
                    IntegerCase{"Negative", "-12", true, -12},
                    IntegerCase{"PlusSign", "+7", true, 7},
                    IntegerCase{"LeadingBlanks", "  \t42", true, 42},
                    IntegerCase{"TrailingLetters", "12abc", true, 12},
                    IntegerCase{"Empty", "", false, 0}, IntegerCase{"LetterFirst", "a12", false, 0},
                    IntegerCase{"SignWithoutDigits", "-", false, 0},
                    IntegerCase{"BlankBetweenSignAndDigits", "- 5", false, 0},
                    IntegerCase{"SaturatesHigh", "99999999999", true, 2147483647},
                    IntegerCase{"SaturatesLow", "-99999999999", true, -2147483647 - 1}),
    [](const auto& info) { return info.param.name; });

TEST(PrinterText, RoundTripsEveryByteAndCountsCharacters) {
  std::vector<std::uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<std::uint8_t>(i);
  const std::string utf8 = ansiToUtf8(all);
  EXPECT_EQ(characterCount(utf8), 256u);
  EXPECT_EQ(utf8ToAnsi(utf8), all);
}

TEST(PrinterText, ReplacesCharactersThePrinterCannotHold) {
  EXPECT_EQ(utf8ToAnsi("a\xED\x95\x9C"
                       "b"),
            (std::vector<std::uint8_t>{'a', '?', 'b'}));
  EXPECT_EQ(characterCount("\xEC\xA0\x95\xEC\x88\x98"), 2u);
}

TEST(AsciiTestLine, IsThePrintableRangeThenALineFeed) {
  const auto line = asciiTestLine();
  ASSERT_EQ(line.size(), 95u);
  EXPECT_EQ(line.front(), 0x21);
  EXPECT_EQ(line[93], 0x7E);
  EXPECT_EQ(line.back(), 0x0A);
}

}  // namespace
}  // namespace z3mq
