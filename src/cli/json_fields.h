#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>

namespace z3mq {

// Settings documents keep the order in which the pages show their controls.
using Json = nlohmann::ordered_json;

// Readers of one field of a settings document. `path` names the object that holds the field
// ("printing.Serial Settings"); every failure throws CliError(BadInput) naming path.key and what
// was expected, before anything has been sent.

// A nested object that must be there.
const Json& requireObject(const Json& parent, std::string_view key, const std::string& path);

// The index of the item whose text the field holds, compared whole and case-sensitively.
int requireItem(const Json& object, std::string_view key, std::span<const std::string_view> items,
                const std::string& path);
bool requireBool(const Json& object, std::string_view key, const std::string& path);
std::int32_t requireInt(const Json& object, std::string_view key, const std::string& path);
std::string requireText(const Json& object, std::string_view key, const std::string& path);
// Dotted decimal "192.168.10.10"; the first octet ends up most significant.
std::uint32_t requireAddress(const Json& object, std::string_view key, const std::string& path);

// Writers: the item text of a selection, or null when the list shows none.
Json itemJson(std::span<const std::string_view> items, int index);
std::string addressText(std::uint32_t address);

// "a.b" for nested field names in messages.
std::string fieldPath(const std::string& path, std::string_view key);

}  // namespace z3mq
