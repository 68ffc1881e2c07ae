#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace z3mq {

// Address texts as Z3M printers send them, one byte per character.

// Dotted-decimal text to an IPv4 address, field 0 in the most significant byte. Each field is
// read like the C library's wcstol (blanks, sign, digits up to the first other character, 0
// when there are none) and keeps its low 8 bits; fields the text lacks are 0.
std::uint32_t dottedAddress(std::string_view text);

// Twelve hexadecimal digits as a hardware address is shown: "0011223344AA" becomes
// "00-11-22-33-44-AA". A text of another length is shown as the pairs it has, joined the same
// way, the last one a single character when the length is odd: "0011223" becomes "00-11-22-3".
std::string hexAddressText(std::string_view text);

}  // namespace z3mq
