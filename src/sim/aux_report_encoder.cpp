#include "sim/aux_report_encoder.h"

#include "codec/text.h"

namespace z3mq {

namespace {

constexpr std::uint8_t kSeparator = 0x1F;

void append(std::vector<std::uint8_t>& out, const std::string& utf8) {
  const std::vector<std::uint8_t> bytes = utf8ToAnsi(utf8);
  out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

std::vector<std::uint8_t> encodeAuxReport(const AuxReport& report) {
  std::vector<std::uint8_t> out{0x37, 0x59};
  append(out, report.hSize);
  out.push_back(kSeparator);
  append(out, report.vSize);
  out.push_back(kSeparator);
  out.insert(out.end(), {0x31, kSeparator});
  append(out, report.otherInfo);
  append(out, report.errorInfo);
  out.push_back(0x00);
  return out;
}

}  // namespace z3mq
