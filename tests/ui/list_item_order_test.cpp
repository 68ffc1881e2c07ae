#include "ui/list_item_order.h"

#include <gtest/gtest.h>

#include <ostream>

namespace z3mq {
namespace {

// Test output names a case by its name rather than by its bytes.
template <class Case>
requires requires(const Case& c) {
  c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

struct OrderCase {
  const char* name;
  const char* a;
  const char* b;
  bool less;
};

class ListItemOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(ListItemOrder, ComparesAsASortedComboBox) {
  const OrderCase& c = GetParam();
  EXPECT_EQ(listItemLess(c.a, c.b), c.less);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListItemOrder,
    testing::Values(OrderCase{"CaseIgnored", "apple", "Banana", true},
                    OrderCase{"CaseOnlyDifferenceIsEqual", "Enable", "enable", false},
                    OrderCase{"CaseOnlyDifferenceIsEqualBackwards", "enable", "Enable", false},
                    OrderCase{"PrefixFirst", "WPA", "WPA_PSK", true},
                    OrderCase{"PunctuationBeforeDigits", "WPA_PSK", "WPA2_PSK", true},
                    OrderCase{"DigitsBeforeLetters", "PA2", "PAX", true},
                    OrderCase{"BlankBeforeLetters", "Static IP", "StaticIP", true},
                    OrderCase{"LettersBeforeNonAscii", "z", "\xEC\xA0\x95", true}),
    [](const auto& info) { return info.param.name; });

TEST(ListItemOrder, SortsTheAuthenticationListAsTheDeviceIndexesIt) {
  std::vector<std::string> items{"OPEN",     "WEP",          "WPA_PSK",
                                 "WPA2_PSK", "WPA_WPA2_PSK", "PA2_Enterprise"};
  sortListItems(items);
  EXPECT_EQ(items, (std::vector<std::string>{"OPEN", "PA2_Enterprise", "WEP", "WPA_PSK",
                                             "WPA_WPA2_PSK", "WPA2_PSK"}));
}

TEST(ListItemOrder, KeepsEqualItemsInGivenOrder) {
  std::vector<std::string> items{"b", "B", "a"};
  sortListItems(items);
  EXPECT_EQ(items, (std::vector<std::string>{"a", "b", "B"}));
}

}  // namespace
}  // namespace z3mq
