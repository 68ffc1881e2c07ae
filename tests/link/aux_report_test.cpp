#include "link/aux_report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace z3mq {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kNotice = "datamatrix infomation received\n";
constexpr const char* kInvalid = "data is invalid!!\n";

struct AuxCase {
  std::string name;
  Bytes report;
  std::vector<std::string> lines;
};

void PrintTo(const AuxCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<std::string> valid(const std::string& fields) {
  return {kNotice, fields + "\n"};
}

std::vector<AuxCase> auxCases() {
  return {
      {"FourFields",
       {0x37, 0x59, 0x31, 0x32, 0x1F, 0x33, 0x34, 0x1F, 0x31, 0x1F, 0x41, 0x45, 0x31, 0x00},
       valid("H Size(12) V Size(34) Other info(A) Error info(E1)")},
      {"EmptySizesAndErrorInfo",
       {0x37, 0x59, 0x1F, 0x1F, 0x31, 0x1F, 0x5A, 0x00},
       valid("H Size() V Size() Other info(Z) Error info()")},
      {"SixCharacterHSizeLeavesItsSeparatorUnread",
       {0x37, 0x59, '1', '2', '3', '4', '5', '6', 0x1F, '7', 0x1F, 0x31, 0x1F, 'A', 0x00},
       {kInvalid}},
      {"SixCharacterHSizeFollowedByMarkerLikeVSize",
       {0x37, 0x59, '1', '2', '3', '4', '5', '6', 0x1F, 0x31, 0x1F, 'A', 'E', 0x00},
       valid("H Size(123456) V Size() Other info(A) Error info(E)")},
      {"SixCharacterSizesWithoutSeparators",
       {0x37, 0x59, '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', '1', '2', 0x31, 0x1F, 'A',
        0x00},
       valid("H Size(123456) V Size(789012) Other info(A) Error info()")},
      {"ErrorInfoCutToSix",
       {0x37, 0x59, 0x1F, 0x1F, 0x31, 0x1F, 'A', 'E', '1', '2', '3', '4', '5', '6', '7', 0x00},
       valid("H Size() V Size() Other info(A) Error info(E12345)")},
      {"MarkerNot31", {0x37, 0x59, 0x31, 0x1F, 0x32, 0x1F, 0x32, 0x1F, 0x41, 0x00}, {kInvalid}},
      {"MarkerWithoutItsSeparator",
       {0x37, 0x59, 0x31, 0x1F, 0x32, 0x1F, 0x31, 0x20, 0x41, 0x00},
       {kInvalid}},
      {"EndInsideVSize", {0x37, 0x59, 0x31, 0x1F, 0x32, 0x00}, {kInvalid}},
      {"EndAtMarker", {0x37, 0x59, 0x1F, 0x1F, 0x00}, {kInvalid}},
      {"CutShortWithoutEnd", {0x37, 0x59, 0x31, 0x1F, 0x32}, {kInvalid}},
      {"CutShortAfterMarker", {0x37, 0x59, 0x1F, 0x1F, 0x31, 0x1F}, {kInvalid}},
      {"EndAsOtherInfoLeavesItEmpty",
       {0x37, 0x59, 0x1F, 0x1F, 0x31, 0x1F, 0x00, 'X', 'Y', 0x00},
       valid("H Size() V Size() Other info() Error info()")},
      {"BytesAfterTheEndAreNotRead",
       {0x37, 0x59, 0x31, 0x00, 0x1F, 0x31, 0x1F, 0x41, 0x00},
       {kInvalid}},
      {"HighBytesConvertedToUtf8",
       {0x37, 0x59, 0xE9, 0x1F, 0x1F, 0x31, 0x1F, 0xB0, 0xC4, 0x00},
       valid("H Size(\xC3\xA9) V Size() Other info(\xC2\xB0) Error info(\xC3\x84)")},
  };
}

class AuxReportCases : public ::testing::TestWithParam<AuxCase> {};

TEST_P(AuxReportCases, LogsNoticeAndFieldsOrInvalid) {
  EXPECT_EQ(auxReportLogLines(GetParam().report), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Reports, AuxReportCases, ::testing::ValuesIn(auxCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
