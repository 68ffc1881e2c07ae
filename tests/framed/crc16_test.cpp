#include "framed/codec/crc16.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <vector>

namespace z3mq {
namespace {

// Bit by bit from the parameters, as an oracle independent of the table.
std::uint16_t bitwiseCrc(const std::vector<std::uint8_t>& bytes) {
  std::uint16_t crc = 0xFFFF;
  for (const std::uint8_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                      : static_cast<std::uint16_t>(crc >> 1);
    }
  }
  return crc;
}

TEST(Crc16Modbus, GivesTheCheckValueOfTheNineDigits) {
  constexpr std::string_view kDigits = "123456789";
  const std::vector<std::uint8_t> bytes(kDigits.begin(), kDigits.end());
  EXPECT_EQ(crc16Modbus(bytes), 0x4B37);
}

TEST(Crc16Modbus, TableHoldsTheStandardEntries) {
  EXPECT_EQ(kCrc16ModbusTable[0], 0x0000);
  EXPECT_EQ(kCrc16ModbusTable[1], 0xC0C1);
  EXPECT_EQ(kCrc16ModbusTable[2], 0xC181);
  EXPECT_EQ(kCrc16ModbusTable[128], 0xA001);
  EXPECT_EQ(kCrc16ModbusTable[255], 0x4040);
}

TEST(Crc16Modbus, EmptyInputLeavesTheInitialValue) {
  EXPECT_EQ(crc16Modbus({}), 0xFFFF);
}

TEST(Crc16Modbus, AgreesWithABitwiseOracleOnRandomInputs) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> length(1, 300);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 400; ++round) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length(random)));
    for (auto& b : bytes) b = static_cast<std::uint8_t>(byte(random));
    ASSERT_EQ(crc16Modbus(bytes), bitwiseCrc(bytes)) << "round " << round;
  }
}

}  // namespace
}  // namespace z3mq
