#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace z3mq {

// The data-matrix information a printer may send on its own: 37 59, the H size and the V size
// (each up to 6 characters, ended by 1F), the marker 31 1F, one character of other info, then
// up to 6 characters of error info ended by 00. Texts are converted to UTF-8.
struct AuxReport {
  std::string hSize;
  std::string vSize;
  std::string otherInfo;
  std::string errorInfo;
};

// Splits one complete report, 37 59 first. A field of 6 characters ends there: the separator
// after it is left to the next field, so a 6-character H or V size makes the marker test fail
// unless the next field happens to begin with 31 1F. Returns nothing when the marker is missing
// or the report ends before it or before the other info.
std::optional<AuxReport> parseAuxReport(std::span<const std::uint8_t> report);

// The lines the activity log gets for one report (each ending in a line feed): the notice and
// the fields, or the one line that says the report is invalid.
std::vector<std::string> auxReportLogLines(std::span<const std::uint8_t> report);

}  // namespace z3mq
