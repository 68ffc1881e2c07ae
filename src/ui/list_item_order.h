#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace z3mq {

// The order of a sorted drop-down list: letters compare without case, and punctuation sorts
// before digits, digits before letters (so "WPA_PSK" comes before "WPA2_PSK"). The order of a
// sorted list decides which index a stored value selects, so it must match the platform's.
bool listItemLess(std::string_view a, std::string_view b);

// Stable: equal items keep the order in which they were given.
void sortListItems(std::vector<std::string>& items);

}  // namespace z3mq
