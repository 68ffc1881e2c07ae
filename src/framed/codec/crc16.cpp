#include "framed/codec/crc16.h"

namespace z3mq {

std::uint16_t crc16Modbus(std::span<const std::uint8_t> bytes) {
  std::uint16_t crc = kCrc16ModbusInit;
  for (const std::uint8_t byte : bytes) {
    crc = static_cast<std::uint16_t>((crc >> 8) ^ kCrc16ModbusTable[(crc ^ byte) & 0xFF]);
  }
  return crc;
}

}  // namespace z3mq
