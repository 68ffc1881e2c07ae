// Parses arbitrary bytes as an auxiliary report: nothing outside them may be read, and the
// fields keep their limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "codec/text.h"
#include "link/aux_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> report(data, size);
  const auto parsed = z3mq::parseAuxReport(report);
  const auto lines = z3mq::auxReportLogLines(report);
  if (parsed) {
    if (z3mq::characterCount(parsed->hSize) > 6 || z3mq::characterCount(parsed->vSize) > 6 ||
        z3mq::characterCount(parsed->otherInfo) > 1 ||
        z3mq::characterCount(parsed->errorInfo) > 6 || lines.size() != 2) {
      std::abort();
    }
  } else if (lines.size() != 1) {
    std::abort();
  }
  return 0;
}
