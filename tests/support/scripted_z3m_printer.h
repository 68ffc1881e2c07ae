#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "legacy/codec/menu_block.h"
#include "support/scripted_printer.h"

namespace z3mq {

// A Z3M printer as far as the legacy protocol goes: it answers the information request with its
// identity, the menu read with its menu bytes, and a menu write by keeping the bytes and
// acknowledging them (or refusing them). Maintenance requests get no answer.
class ScriptedZ3MPrinter : public ScriptedPrinter {
 public:
  struct Identity {
    std::string modelName = "Z3M-80";
    std::string firmwareVersion = "V1.02";
    std::string updateDate = "2024-01-15";
    std::string serialNumber = "SN0001";
    std::string partition = "P2";
    // Older firmware ends the response after the partition.
    std::optional<std::string> singleByteFont = "S01.02.03";
    std::optional<std::string> doubleByteFont = "D04.05.06";
  };

  Identity identity;
  MenuBlock menu{0x10, 0x18, 0x03, 0x4A, 0x11, 0x25, 0x6B, 0x02, 0x81};
  bool refuseWrites = false;

  std::vector<Message> answer(std::span<const std::uint8_t> request) override;

  // Responses as the printer lays them out, for tests that send them unasked.
  std::vector<std::uint8_t> informationResponse() const;
  std::vector<std::uint8_t> menuSwitchResponse() const;
  static std::vector<std::uint8_t> setResponse(std::uint8_t subCode, std::uint8_t status);
};

}  // namespace z3mq
