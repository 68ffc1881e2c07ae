#include "legacy/codec/addresses.h"

#include "codec/text.h"

namespace z3mq {

std::uint32_t dottedAddress(std::string_view text) {
  std::uint32_t address = 0;
  for (int field = 0; field < 4; ++field) {
    const std::size_t dot = text.find('.');
    const std::string_view part = text.substr(0, dot);
    text = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    address = (address << 8) | (static_cast<std::uint32_t>(leadingInteger(part)) & 0xFF);
  }
  return address;
}

std::string hexAddressText(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    if (i > 0) shown += '-';
    shown += text.substr(i, 2);
  }
  return shown;
}

}  // namespace z3mq
