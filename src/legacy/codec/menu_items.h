#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace z3mq {

// The texts and bit fields of the nine Z3M menu bytes: the menu page's lists, the CLI and the
// codec all read these tables, so a text or a bit position is written down once.

// The item texts live in their own namespace: the Q470 lists carry other texts under the
// same names.
namespace menu {

// Byte 0 holds a code page number; its list shows the pages the firmware knows, in this order.
struct CodePage {
  std::uint8_t number;
  std::string_view item;
};

inline constexpr std::array<CodePage, 34> kCodePages{{
    {0, "Page 0 PC437"},       {1, "Page 1 Katakana"},  {2, "Page 2 PC850"},
    {3, "Page 3 PC860"},       {4, "Page 4 PC863"},     {5, "Page 5 PC865"},
    {15, "Page 15 ISO8859-7"}, {16, "Page 16 WPC1252"}, {17, "Page 17 PC866"},
    {18, "Page 18 PC852"},     {19, "Page 19 PC858"},   {20, "Page 20 Thai 42"},
    {21, "Page 21 Thai 11"},   {23, "Page 23 Thai 14"}, {24, "Page 24 Thai 16"},
    {26, "Page 26 Thai 18"},   {27, "Page 27 PC874"},   {41, "Page 41 PC737"},
    {42, "Page 42 PC775"},     {43, "Page 43 PC855"},   {44, "Page 44 PC857"},
    {45, "Page 45 PC861"},     {46, "Page 46 PC862"},   {47, "Page 47 PC864"},
    {48, "Page 48 PC869"},     {50, "Page 50 PC1250"},  {51, "Page 51 PC1251"},
    {53, "Page 53 PC1253"},    {54, "Page 54 PC1254"},  {55, "Page 55 PC1255"},
    {56, "Page 56 PC1256"},    {57, "Page 57 PC1257"},  {58, "Page 58 PC1258"},
    {60, "Page 60 Farsi"},
}};

inline constexpr auto kCodePageItems = [] {
  std::array<std::string_view, kCodePages.size()> items{};
  for (std::size_t i = 0; i < items.size(); ++i) items[i] = kCodePages[i].item;
  return items;
}();

inline constexpr std::array<std::string_view, 18> kCharacterSetItems{
    "U.S.A.",     "France",   "Germany",       "U.K.",  "Denmark I",
    "Sweden",     "Italy",    "Spain I",       "Japan", "Norway",
    "Denmark II", "Spain II", "Latin America", "Korea", "Slovenia / Croatia",
    "China",      "Vietnam",  "Arabia"};
inline constexpr std::array<std::string_view, 2> kSwapHalfFontItems{"Default", "Swap A+B and C+D"};
inline constexpr std::array<std::string_view, 2> kFullFontItems{"A: 24x24", "B: 26x26"};
inline constexpr std::array<std::string_view, 2> kCodePageTypeItems{"Single byte country",
                                                                    "Double byte country"};
inline constexpr std::array<std::string_view, 4> kMultiLanguageFontItems{
    "Korean (KS5601)", "Japanese (SHIFT-JIS)", "Traditional chinese", "Simplified chinese"};
inline constexpr std::array<std::string_view, 4> kPrintingSpeedItems{
    "Level1 (150mm/s)", "Level2 (180mm/s)", "Level3 (200mm/s)", "Level4 (250mm/s)"};
inline constexpr std::array<std::string_view, 2> kPaperWidthItems{"80mm (3inch)", "58mm (2inch)"};
inline constexpr std::array<std::string_view, 2> kColumnEmulationItems{"42/32 CPL", "48/35 CPL"};
inline constexpr std::array<std::string_view, 7> kPrintDensityItems{
    "Level 1 (85%)",  "Level 2 (90%)",  "Level 3 (95%)", "Level 4 (100%)",
    "Level 5 (105%)", "Level 6 (110%)", "Level 7 (115%)"};
inline constexpr std::array<std::string_view, 3> kErrorSoundItems{"No Sound", "Internal Buzzer",
                                                                  "External Buzzer"};
inline constexpr std::array<std::string_view, 3> kFinishSoundItems{"No Sound", "Internal Buzzer",
                                                                   "External Melody"};
inline constexpr std::array<std::string_view, 3> kNearSensorSoundItems{
    "Off (No sound)", "Internal Sound", "External Sound"};
inline constexpr std::array<std::string_view, 3> kAutoCutItems{"Programable", "Full cut",
                                                               "Partial Cut"};
inline constexpr std::array<std::string_view, 7> kBaudRateItems{"2400",  "4800",  "9600",  "19200",
                                                                "38400", "57600", "115200"};
inline constexpr std::array<std::string_view, 3> kParityItems{"None", "Even", "Odd"};
inline constexpr std::array<std::string_view, 2> kHandshakingItems{"XON/XOFF", "RTS/CTS"};
inline constexpr std::array<std::string_view, 2> kDisableEnableItems{"Disable", "Enable"};
inline constexpr std::array<std::string_view, 2> kUsbModeItems{"CDC", "PRINTER"};
inline constexpr std::array<std::string_view, 3> kWirelessModeItems{"WiFi SoftAP", "WiFi Station",
                                                                    "BT Classic"};
inline constexpr std::array<std::string_view, 7> kPaperTypeItems{
    "TF50KS-E2D", "TF60KS-E", "P220VBB-1", "PD160R", "PD160R-63", "KT48FA", "Alpha400-2.1"};

}  // namespace menu

// One drop-down list of the menu page and the bits of the menu byte that hold its index (for
// the code page list: the whole of Byte 0, which holds the page number of menu::kCodePages
// instead).
struct MenuListField {
  int controlId;
  std::string_view label;  // the text beside the list; the code page list has none
  std::uint8_t byte;       // Byte 0 to Byte 7
  std::uint8_t shift;      // lowest bit of the field
  std::uint8_t width;      // bits in the field
  std::span<const std::string_view> items;
  int defaultIndex;  // selected when the page is first shown
};

inline constexpr int kCodePageListId = 1166;

// In the order in which a decoded block updates the page.
inline constexpr std::array<MenuListField, 23> kMenuListFields{{
    {kCodePageListId, "", 0, 0, 8, menu::kCodePageItems, 0},
    {1182, "International charater set", 1, 3, 5, menu::kCharacterSetItems, 0},
    {1270, "Swap Half Font", 2, 0, 1, menu::kSwapHalfFontItems, 0},
    {1271, "Full Font Selection", 2, 1, 1, menu::kFullFontItems, 0},
    {1272, "Codepage type", 2, 4, 1, menu::kCodePageTypeItems, 0},
    {1273, "Multi-Language font", 2, 6, 2, menu::kMultiLanguageFontItems, 0},
    {1184, "Printing speed", 3, 0, 3, menu::kPrintingSpeedItems, 3},
    {1187, "Paper width", 3, 3, 1, menu::kPaperWidthItems, 1},
    {1180, "Column Emulation", 3, 4, 1, menu::kColumnEmulationItems, 0},
    {1188, "Print density", 3, 5, 3, menu::kPrintDensityItems, 3},
    {1194, "Error sound", 4, 0, 2, menu::kErrorSoundItems, 0},
    {1195, "Print finish sound", 4, 2, 2, menu::kFinishSoundItems, 0},
    {1217, "Near sensor sound", 4, 4, 2, menu::kNearSensorSoundItems, 0},
    {1218, "Auto Cut Mode", 4, 6, 2, menu::kAutoCutItems, 0},
    {1247, "Baudrate", 5, 0, 3, menu::kBaudRateItems, 6},
    {1248, "Parity bit", 5, 3, 2, menu::kParityItems, 0},
    {1249, "Handshaking", 5, 5, 2, menu::kHandshakingItems, 1},
    {1250, "USB Interface", 6, 0, 1, menu::kDisableEnableItems, 1},
    {1251, "USB mode", 6, 1, 1, menu::kUsbModeItems, 0},
    {1252, "Ethernet Interface", 6, 3, 1, menu::kDisableEnableItems, 1},
    {1253, "Bluetooth Interface", 6, 5, 1, menu::kDisableEnableItems, 1},
    {1254, "Wireless mode", 6, 6, 2, menu::kWirelessModeItems, 0},
    {1255, "Paper type", 7, 0, 3, menu::kPaperTypeItems, 0},
}};

// Byte 8 is eight check boxes without captions: 1080 holds bit 7, ..., 1087 bit 0.
inline constexpr int kFirstMenuCheckId = 1080;
inline constexpr std::size_t kMenuCheckCount = 8;
inline constexpr std::uint8_t kMenuCheckByte = 8;

}  // namespace z3mq
