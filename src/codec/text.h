#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace z3mq {

// Printers exchange texts one byte per character in an 8-bit code page; the windows hold
// Unicode. We take the printer's bytes as ISO-8859-1 (every byte is one character, so a byte
// count equals a character count) and hold texts as UTF-8.
std::string ansiToUtf8(std::span<const std::uint8_t> bytes);

// The reverse; a character outside ISO-8859-1 becomes '?', so the byte count stays the
// character count.
std::vector<std::uint8_t> utf8ToAnsi(std::string_view text);

// Number of characters (code points) of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);

// A decimal number read from the start of a text the way the C library does: leading blanks,
// an optional sign, then digits up to the first other character. Returns 0 when there are no
// digits; saturates instead of overflowing.
std::int32_t leadingInteger(std::string_view text);

// The same, but reports whether a number was there at all (blanks, optional sign and at least
// one digit).
bool tryLeadingInteger(std::string_view text, std::int32_t& value);

// The ASCII test line both families print: '!' to '~' and a line feed, 95 bytes.
std::span<const std::uint8_t> asciiTestLine();

}  // namespace z3mq
