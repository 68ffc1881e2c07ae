#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace z3mq {

// Font versions of an information response. A version is shown only when the printer sends it
// as exactly nine characters; anything else means the font is not installed (nullopt).
struct FontVersions {
  std::optional<std::string> singleByte;
  std::optional<std::string> doubleByte;

  bool operator==(const FontVersions&) const = default;
};

// The identity of a Z3M printer (response 69 00). Texts are UTF-8.
struct PrinterInformation {
  std::string modelName;
  std::string firmwareVersion;
  std::string updateDate;
  std::string serialNumber;
  std::string partition;
  // Older firmware ends the response after the partition; then the packet carries no font
  // versions (nullopt) and whatever the window shows for them stays.
  std::optional<FontVersions> fontVersions;

  bool operator==(const PrinterInformation&) const = default;
};

PrinterInformation readInformationResponse(std::span<const std::uint8_t> packet);

}  // namespace z3mq
