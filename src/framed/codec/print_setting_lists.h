#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace z3mq {

// Item lists of the Q470 printing settings page, in index order. The index is the value on the
// wire, so the page templates and the CLI take their items from here.

inline constexpr std::array<std::string_view, 2> kCodePageTypeItems{"Single byte country",
                                                                    "Double byte country"};
inline constexpr std::array<std::string_view, 6> kMultiLanguageFontItems{
    "Korean (KS5601)", "Japanese (SHIFT-JIS)", "Traditional chinese", "Simplified chinese", "UTF-8",
    "UNICODE"};
inline constexpr std::array<std::string_view, 18> kInternationalCharacterSetItems{
    "U.S.A.",     "France",   "Germany",       "U.K.",  "Denmark I",
    "Sweden",     "Italy",    "Spain I",       "Japan", "Norway",
    "Denmark II", "Spain II", "Latin America", "Korea", "Slovenia / Croatia",
    "China",      "Vietnam",  "Arabia"};
inline constexpr std::array<std::string_view, 9> kBaudRateItems{
    "4800", "9600", "19200", "38400", "57600", "115200", "230400", "460800", "921600"};
inline constexpr std::array<std::string_view, 3> kParityItems{"None", "Odd", "Even"};
inline constexpr std::array<std::string_view, 3> kHandshakingItems{"NONE", "XON/XOFF", "HARDWARE"};
inline constexpr std::array<std::string_view, 2> kDataBitsItems{"8 bit", "9 bit"};
inline constexpr std::array<std::string_view, 2> kStopBitsItems{"1 bit", "2 bit"};
inline constexpr std::array<std::string_view, 4> kPrintingSpeedItems{
    "Level1 [250mm/s]", "Level2 [300mm/s]", "Level3 [350mm/s]", "Level4 [400mm/s]"};
inline constexpr std::array<std::string_view, 3> kPaperWidthItems{"80mm (3inch)", "58mm (2inch)",
                                                                  "50mm (2inch)"};
inline constexpr std::array<std::string_view, 2> kColumnItems{"42/32 CPL", "48/35 CPL"};
inline constexpr std::array<std::string_view, 8> kPrintDensityItems{
    "Level1 [85%]",  "Level2 [90%]",  "Level3 [95%]",  "Level4 [100%]",
    "Level5 [105%]", "Level6 [110%]", "Level7 [115%]", "Level8 [120%]"};
inline constexpr std::array<std::string_view, 2> kUsbModeItems{"Serial Emulate", "Actual USB"};
inline constexpr std::array<std::string_view, 2> kHandshakingOperationItems{
    "Offline/Receive buffer full", "Receive buffer full"};
// Error sound and Print finish sound share one list.
inline constexpr std::array<std::string_view, 3> kSoundItems{"No Sound", "Internal Buzzer",
                                                             "External Buzzer"};
inline constexpr std::array<std::string_view, 3> kExternalBuzzerPatternItems{"pattern1", "pattern2",
                                                                             "pattern3"};
inline constexpr std::array<std::string_view, 2> kAutoCutModeItems{"No cut", "Partial Cut"};
inline constexpr std::array<std::string_view, 2> kNearSensorSoundItems{"Off", "On"};
inline constexpr std::array<std::string_view, 4> kPaperSavingModeItems{"Disable", "Level1",
                                                                       "Level2", "Level3"};
inline constexpr std::array<std::string_view, 2> kBlackMarkModeItems{"Disable", "Enable"};

// The printer numbers its code pages differently from the "Page n" texts of the list.
struct CodePageRow {
  std::string_view text;
  std::uint8_t number;
};

inline constexpr std::array<CodePageRow, 36> kCodePages{{
    {"Page 0 PC437", 0},       {"Page 1 Katakana", 1},     {"Page 2 PC850", 2},
    {"Page 3 PC860", 3},       {"Page 4 PC863", 4},        {"Page 5 PC865", 5},
    {"Page 15 ISO8859_7", 41}, {"Page 16 WPC1252", 16},    {"Page 17 PC866", 7},
    {"Page 18 PC852", 18},     {"Page 19 PC858", 19},      {"Page 20 Thai 42", 51},
    {"Page 21 Thai 11", 52},   {"Page 23 Thai 14", 26},    {"Page 24 Thai 16", 45},
    {"Page 26 Thai 18", 53},   {"Page 30 TCVN-3", 48},     {"Page 31 TCVN-3", 50},
    {"Page 32 PC720", 27},     {"Page 40 ISO8859-15", 44}, {"Page 41 PC737", 24},
    {"Page 42 PC775", 31},     {"Page 43 PC855", 28},      {"Page 44 PC857", 29},
    {"Page 46 PC862", 15},     {"Page 47 PC864", 22},      {"Page 50 PC1250", 30},
    {"Page 51 PC1251", 6},     {"Page 53 PC1253", 17},     {"Page 54 PC1254", 32},
    {"Page 55 PC1255", 33},    {"Page 56 PC1256", 34},     {"Page 57 PC1257", 25},
    {"Page 58 PC1258", 35},    {"Page 60 Farsi", 10},      {"Page 61 Armenia", 49},
}};

// The list index of the row with this printer number, or -1 when no row has it.
int codePageIndexOf(std::uint8_t number);

// The printer number of the row at this list index, or nullopt for no row.
std::optional<std::uint8_t> codePageNumberAt(int index);

// Wire codes by list index, for the lists that do not travel as their index.
inline constexpr std::array<std::uint8_t, 6> kMultiLanguageFontCodes{0xFB, 0xFC, 0xFE,
                                                                     0xFF, 0xFD, 0xFA};
inline constexpr std::array<std::uint8_t, 3> kPaperWidthCodes{'3', 'U', 'w'};

// The selection a list shows for an index: the index itself, or -1 (no selection) when it lies
// outside the list.
template <std::size_t N>
constexpr int selectionIn(const std::array<std::string_view, N>& items, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < items.size() ? index : -1;
}

}  // namespace z3mq
