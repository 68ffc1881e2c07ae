#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace z3mq {

// CRC-16/MODBUS: polynomial 0x8005 reflected (0xA001), initial value 0xFFFF, no final XOR.
inline constexpr std::uint16_t kCrc16ModbusInit = 0xFFFF;

inline constexpr std::array<std::uint16_t, 256> kCrc16ModbusTable = [] {
  std::array<std::uint16_t, 256> table{};
  for (std::uint32_t i = 0; i < table.size(); ++i) {
    std::uint32_t crc = i;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) != 0 ? (crc >> 1) ^ 0xA001 : crc >> 1;
    table[i] = static_cast<std::uint16_t>(crc);
  }
  return table;
}();

std::uint16_t crc16Modbus(std::span<const std::uint8_t> bytes);

}  // namespace z3mq
