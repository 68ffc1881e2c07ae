#pragma once

#include <cstdint>
#include <vector>

#include "link/aux_report.h"

namespace z3mq {

// A data-matrix report as a printer sends it on its own: 37 59, H size 1F, V size 1F, 31 1F,
// other info, error info, 00. Fields go as given, so a test can send one the host must refuse
// (a size of six characters leaves its separator unread).
std::vector<std::uint8_t> encodeAuxReport(const AuxReport& report);

}  // namespace z3mq
