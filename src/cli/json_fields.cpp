#include "cli/json_fields.h"

#include <charconv>
#include <limits>

#include "cli/cli_error.h"

namespace z3mq {
namespace {

[[noreturn]] void reject(const std::string& path, std::string_view key, const std::string& what) {
  throw CliError(ExitCode::BadInput, fieldPath(path, key) + ": " + what);
}

const Json& requireField(const Json& object, std::string_view key, const std::string& path) {
  const auto found = object.find(key);
  if (found == object.end()) reject(path, key, "missing");
  return *found;
}

std::string quotedList(std::span<const std::string_view> items) {
  std::string text;
  for (std::string_view item : items) {
    if (!text.empty()) text += ", ";
    text += '"';
    text += item;
    text += '"';
  }
  return text;
}

// One octet of a dotted address: 1 to 3 decimal digits, at most 255.
bool parseOctet(std::string_view text, std::uint32_t& octet) {
  if (text.empty() || text.size() > 3) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), octet);
  return error == std::errc{} && end == text.data() + text.size() && octet <= 255;
}

}  // namespace

std::string fieldPath(const std::string& path, std::string_view key) {
  return path.empty() ? std::string(key) : path + "." + std::string(key);
}

const Json& requireObject(const Json& parent, std::string_view key, const std::string& path) {
  const Json& value = requireField(parent, key, path);
  if (!value.is_object()) reject(path, key, "expected an object");
  return value;
}

int requireItem(const Json& object, std::string_view key, std::span<const std::string_view> items,
                const std::string& path) {
  const Json& value = requireField(object, key, path);
  if (value.is_null()) {
    reject(path, key,
           "no item selected (the printer holds a value without one); choose one of " +
               quotedList(items));
  }
  if (!value.is_string()) reject(path, key, "expected one of " + quotedList(items));
  const auto& text = value.get_ref<const std::string&>();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == text) return static_cast<int>(i);
  }
  reject(path, key, "unknown item \"" + text + "\"; expected one of " + quotedList(items));
}

bool requireBool(const Json& object, std::string_view key, const std::string& path) {
  const Json& value = requireField(object, key, path);
  if (!value.is_boolean()) reject(path, key, "expected true or false");
  return value.get<bool>();
}

std::int32_t requireInt(const Json& object, std::string_view key, const std::string& path) {
  const Json& value = requireField(object, key, path);
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  if (value.is_number_unsigned() && value.get<std::uint64_t>() <= std::uint64_t{kMax}) {
    return static_cast<std::int32_t>(value.get<std::uint64_t>());
  }
  if (value.is_number_integer() && !value.is_number_unsigned() &&
      value.get<std::int64_t>() >= kMin && value.get<std::int64_t>() <= kMax) {
    return static_cast<std::int32_t>(value.get<std::int64_t>());
  }
  reject(path, key, "expected a whole number");
}

std::string requireText(const Json& object, std::string_view key, const std::string& path) {
  const Json& value = requireField(object, key, path);
  if (!value.is_string()) reject(path, key, "expected a text");
  return value.get<std::string>();
}

std::uint32_t requireAddress(const Json& object, std::string_view key, const std::string& path) {
  const Json& value = requireField(object, key, path);
  const std::string invalid = "expected an IPv4 address such as \"192.168.10.10\"";
  if (!value.is_string()) reject(path, key, invalid);
  std::string_view text = value.get_ref<const std::string&>();
  std::uint32_t address = 0;
  for (int part = 0; part < 4; ++part) {
    const std::size_t dot = part < 3 ? text.find('.') : text.size();
    std::uint32_t octet = 0;
    if (dot == std::string_view::npos || !parseOctet(text.substr(0, dot), octet)) {
      reject(path, key, invalid);
    }
    address = address << 8 | octet;
    text.remove_prefix(part < 3 ? dot + 1 : dot);
  }
  return address;
}

Json itemJson(std::span<const std::string_view> items, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return nullptr;
  return std::string(items[static_cast<std::size_t>(index)]);
}

std::string addressText(std::uint32_t address) {
  return std::to_string(address >> 24) + "." + std::to_string(address >> 16 & 0xFF) + "." +
         std::to_string(address >> 8 & 0xFF) + "." + std::to_string(address & 0xFF);
}

}  // namespace z3mq
