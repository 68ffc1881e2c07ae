#pragma once

#include <optional>
#include <string>

#include "legacy/codec/ethernet_information.h"
#include "legacy/codec/information.h"
#include "legacy/codec/menu_block.h"
#include "legacy/codec/module_information.h"

namespace z3mq {

// The menu bytes every control's default index stands for.
inline constexpr MenuBlock kDefaultMenuBlock{0x00, 0x00, 0x00, 0x6B, 0x00, 0x26, 0x29, 0x00, 0x00};

struct Z3mState {
  PrinterInformation identity{"Z3M-P",     "V1.00",        "2024-01-15",
                              "Z3M000001", "APP:1 FONT:2", FontVersions{"FONT1.000", "KS5601.00"}};
  // The item of the information response that no window shows.
  std::string hiddenItem = "0";
  MenuBlock menu = kDefaultMenuBlock;
  ModuleInformation module{"ESP32 V1.0", 1,
                           WifiModuleSettings{"Z3M_PRINTER", "12345678", 0, 0xC0A80A0A, 0xC0A80A01,
                                              0xFFFFFF00, 0x08080808, 0x08080404,
                                              "00-1A-2B-3C-4D-70", "6", std::nullopt, "20", "-40"}};
  EthernetInformation ethernet{0xC0A80A14, 0xC0A80A01, 0xFFFFFF00, "9100", "001A2B3C4D71"};
};

}  // namespace z3mq
