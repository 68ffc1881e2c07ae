#include "legacy/codec/item_reader.h"

#include <algorithm>

#include "codec/text.h"
#include "legacy/codec/addresses.h"

namespace z3mq {

namespace {

std::span<const std::uint8_t> asBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::string_view LegacyItemReader::rawText() {
  const std::size_t length = byte();
  const std::size_t start = offset_;
  offset_ += length;
  if (start >= packet_.size()) return {};
  const auto item = packet_.subspan(start, std::min(length, packet_.size() - start));
  const auto end = std::find(item.begin(), item.end(), std::uint8_t{0});
  return {reinterpret_cast<const char*>(item.data()), static_cast<std::size_t>(end - item.begin())};
}

std::string LegacyItemReader::text() {
  return ansiToUtf8(asBytes(rawText()));
}

std::uint32_t LegacyItemReader::dottedAddress() {
  return z3mq::dottedAddress(rawText());
}

std::string LegacyItemReader::hexAddress() {
  return ansiToUtf8(asBytes(hexAddressText(rawText())));
}

}  // namespace z3mq
