#include "codec/text.h"

#include <algorithm>
#include <array>
#include <limits>

namespace z3mq {

std::string ansiToUtf8(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const std::uint8_t byte : bytes) {
    if (byte < 0x80) {
      text.push_back(static_cast<char>(byte));
    } else {
      text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return text;
}

namespace {

// Decodes one UTF-8 sequence at text[i], advancing i; malformed bytes count as one character.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<std::uint8_t>(text[i++]);
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t cp = extra == 3   ? lead & 0x07
                : extra == 2 ? lead & 0x0F
                : extra == 1 ? lead & 0x1F
                             : lead;
  for (; extra > 0 && i < text.size(); --extra) {
    const auto next = static_cast<std::uint8_t>(text[i]);
    if ((next & 0xC0) != 0x80) break;
    cp = (cp << 6) | (next & 0x3F);
    ++i;
  }
  return cp;
}

}  // namespace

std::vector<std::uint8_t> utf8ToAnsi(std::string_view text) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t cp = nextCodePoint(text, i);
    bytes.push_back(cp <= 0xFF ? static_cast<std::uint8_t>(cp) : '?');
  }
  return bytes;
}

std::size_t characterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < utf8.size(); ++count) nextCodePoint(utf8, i);
  return count;
}

bool tryLeadingInteger(std::string_view text, std::int32_t& value) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size() || text[i] < '0' || text[i] > '9') return false;
  std::int64_t magnitude = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
  }
  const std::int64_t signedValue = negative ? -magnitude : magnitude;
  value = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(signedValue, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
  return true;
}

std::int32_t leadingInteger(std::string_view text) {
  std::int32_t value = 0;
  return tryLeadingInteger(text, value) ? value : 0;
}

std::span<const std::uint8_t> asciiTestLine() {
  static constexpr auto kLine = [] {
    std::array<std::uint8_t, 95> line{};
    for (std::size_t i = 0; i < 94; ++i) line[i] = static_cast<std::uint8_t>('!' + i);
    line[94] = '\n';
    return line;
  }();
  return kLine;
}

}  // namespace z3mq
