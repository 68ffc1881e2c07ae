#include "link/aux_report.h"

#include <algorithm>

#include "codec/text.h"

namespace z3mq {

namespace {

constexpr std::uint8_t kSeparator = 0x1F;
constexpr std::uint8_t kMarker = 0x31;
constexpr std::uint8_t kEnd = 0x00;
constexpr std::size_t kFieldLimit = 6;
constexpr std::size_t kFirstField = 2;

// Takes a size field from p on: up to kFieldLimit characters, ended by a separator that is
// consumed only before the limit is reached. Fails when the report ends inside the field.
std::optional<std::string> takeSizeField(std::span<const std::uint8_t> report, std::size_t& p) {
  std::vector<std::uint8_t> field;
  while (field.size() < kFieldLimit) {
    if (p >= report.size() || report[p] == kEnd) return std::nullopt;
    const std::uint8_t byte = report[p++];
    if (byte == kSeparator) break;
    field.push_back(byte);
  }
  return ansiToUtf8(field);
}

}  // namespace

std::optional<AuxReport> parseAuxReport(std::span<const std::uint8_t> whole) {
  // The report ends at its first 00; nothing behind it is looked at.
  const auto end =
      std::find(whole.begin() + std::min(whole.size(), kFirstField), whole.end(), kEnd);
  const std::span<const std::uint8_t> report(whole.begin(), end == whole.end() ? end : end + 1);
  std::size_t p = kFirstField;
  std::optional<std::string> hSize = takeSizeField(report, p);
  if (!hSize) return std::nullopt;
  std::optional<std::string> vSize = takeSizeField(report, p);
  if (!vSize) return std::nullopt;
  if (p + 2 >= report.size() || report[p] != kMarker || report[p + 1] != kSeparator) {
    return std::nullopt;
  }
  // Other info may be the report's final 00 itself: then it and the error info are empty.
  const std::span<const std::uint8_t> other = report.subspan(p + 2, report[p + 2] == kEnd ? 0 : 1);
  const std::span<const std::uint8_t> rest = report.subspan(p + 3);
  const auto errorEnd =
      std::find(rest.begin(), rest.begin() + std::min(rest.size(), kFieldLimit), kEnd);
  return AuxReport{std::move(*hSize), std::move(*vSize), ansiToUtf8(other),
                   ansiToUtf8(std::span<const std::uint8_t>(rest.begin(), errorEnd))};
}

std::vector<std::string> auxReportLogLines(std::span<const std::uint8_t> report) {
  const std::optional<AuxReport> parsed = parseAuxReport(report);
  if (!parsed) return {"data is invalid!!\n"};
  // 44 fixed characters and at most 6 + 6 + 1 + 6 field characters: the line can never reach
  // 100 bytes, so no limit on its length is needed.
  return {"datamatrix infomation received\n",
          "H Size(" + parsed->hSize + ") V Size(" + parsed->vSize + ") Other info(" +
              parsed->otherInfo + ") Error info(" + parsed->errorInfo + ")\n"};
}

}  // namespace z3mq
