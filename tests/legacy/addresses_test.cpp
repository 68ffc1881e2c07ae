#include "legacy/codec/addresses.h"

#include <gtest/gtest.h>

namespace z3mq {
namespace {

struct DottedCase {
  const char* name;
  const char* text;
  std::uint32_t address;
};

class DottedAddressTest : public testing::TestWithParam<DottedCase> {};

TEST_P(DottedAddressTest, PutsFieldZeroMostSignificant) {
  EXPECT_EQ(dottedAddress(GetParam().text), GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DottedAddressTest,
    testing::Values(DottedCase{"Plain", "192.168.0.10", 0xC0A8000A},
                    DottedCase{"ThreeFieldsLastIsZero", "10.0.1", 0x0A000100},
                    DottedCase{"Empty", "", 0}, DottedCase{"EmptyField", "1..3.4", 0x01000304},
                    DottedCase{"FifthFieldIgnored", "1.2.3.4.5", 0x01020304},
                    DottedCase{"KeepsLowEightBits", "256.257.511.300", 0x0001FF2C},
                    DottedCase{"NegativeWraps", "-1.0.0.0", 0xFF000000},
                    DottedCase{"SaturatedFieldKeepsLowBits", "99999999999.0.0.0", 0xFF000000},
                    DottedCase{"BlanksAndTrailingLetters", " 7.8x.y9.1", 0x07080001}),
    [](const auto& info) { return info.param.name; });

struct HexCase {
  const char* name;
  const char* text;
  const char* shown;
};

class HexAddressTest : public testing::TestWithParam<HexCase> {};

TEST_P(HexAddressTest, JoinsPairsWithDashes) {
  EXPECT_EQ(hexAddressText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexAddressTest,
    testing::Values(HexCase{"TwelveDigits", "0011223344AA", "00-11-22-33-44-AA"},
                    HexCase{"Empty", "", ""}, HexCase{"OneCharacter", "0", "0"},
                    HexCase{"OddLength", "0011223", "00-11-22-3"},
                    HexCase{"LongerKeepsEveryPair", "00112233445566", "00-11-22-33-44-55-66"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace z3mq
