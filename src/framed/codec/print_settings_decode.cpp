#include "framed/codec/print_settings_decode.h"

#include <array>
#include <string>

#include "framed/codec/black_mark.h"
#include "framed/codec/payload_bytes.h"
#include "framed/codec/print_setting_lists.h"
#include "framed/codec/wire_codes.h"

namespace z3mq {
namespace {

// An ASCII digit from '0' to lastDigit gives its value, anything else 0.
int digitOrZero(std::uint8_t byte, char lastDigit) {
  return byte >= '0' && byte <= lastDigit ? byte - '0' : 0;
}

// Items of the ReadSettingItems answer: (number, 01, value) at fixed offsets. The numbers of
// the last four differ from those WriteSettingItems uses; both numberings are the printer's.
struct SettingItem {
  std::size_t offset;
  std::uint8_t number;
  void (*apply)(std::uint8_t value, PrintSettings& settings);
};

constexpr std::array kSettingItems{
    SettingItem{0, 1, [](std::uint8_t v, PrintSettings& s) { s.nearSensorSound = v != 0; }},
    SettingItem{3, 2, [](std::uint8_t v, PrintSettings& s) { s.usbMode = v == 0 ? 1 : 0; }},
    SettingItem{6, 3,
                [](std::uint8_t v, PrintSettings& s) {
                  s.errorSound = selectionIn(kSoundItems, v & 0x03);
                }},
    SettingItem{9, 4,
                [](std::uint8_t v, PrintSettings& s) {
                  s.externalBuzzerPattern = v >= 1 && v <= 3 ? v - 1 : 0;
                }},
    SettingItem{24, 7,
                [](std::uint8_t v, PrintSettings& s) {
                  s.printFinishSound = selectionIn(kSoundItems, v & 0x03);
                }},
    SettingItem{27, 8,
                [](std::uint8_t v, PrintSettings& s) {
                  s.internationalCharacterSet = v < kInternationalCharacterSetItems.size() ? v : 0;
                }},
    SettingItem{30, 9, [](std::uint8_t v, PrintSettings& s) { s.codePageType = (v & 1) ? 0 : 1; }},
    SettingItem{33, 10, [](std::uint8_t v, PrintSettings& s) { s.handshakingOperation = v & 1; }},
    SettingItem{36, 11,
                [](std::uint8_t v, PrintSettings& s) { s.customSwitches[kSwitch1087] = v & 1; }},
    SettingItem{39, 12,
                [](std::uint8_t v, PrintSettings& s) { s.customSwitches[kSwitch1086] = v & 1; }},
};

constexpr std::uint8_t kItemPresent = 0x01;

}  // namespace

void applyPrintSettingsAnswer(std::span<const std::uint8_t> payload, PrintSettings& settings) {
  const PayloadReader answer(payload);
  settings.codePage = codePageIndexOf(answer.u8(0));
  settings.baudRate = selectionIn(kBaudRateItems, answer.u8(1) & 0x0F);
  settings.parity = selectionIn(kParityItems, answer.u8(2) & 0x03);
  settings.handshaking = selectionIn(kHandshakingItems, answer.u8(5) & 0x03);
  settings.autoCutMode = (answer.u8(9) & 1) ? 0 : 1;
  settings.printDensity = selectionIn(kPrintDensityItems, digitOrZero(answer.u8(10), '9'));
  settings.printingSpeed = selectionIn(kPrintingSpeedItems, digitOrZero(answer.u8(11), '3'));
  settings.paperWidth = indexOfCode(kPaperWidthCodes, answer.u8(12));
  settings.column = answer.u8(13) == 0x01 ? 1 : 0;
  settings.multiLanguageFont = indexOfCode(kMultiLanguageFontCodes, answer.u8(15));
}

void applyPaperSavingAnswer(std::span<const std::uint8_t> payload, PrintSettings& settings) {
  const PayloadReader answer(payload);
  const std::uint8_t level = answer.u8(2);
  const bool enabled = answer.u8(0) == 0x01 && answer.u8(1) == 0x01;
  const bool sameLevel = answer.u8(3) == level && answer.u8(4) == level;
  settings.paperSavingMode = enabled && sameLevel && level >= 1 && level <= 3 ? level : 0;
}

void applySettingItemsAnswer(std::span<const std::uint8_t> payload, PrintSettings& settings) {
  const PayloadReader answer(payload);
  for (const SettingItem& item : kSettingItems) {
    if (answer.u8(item.offset) == item.number && answer.u8(item.offset + 1) == kItemPresent) {
      item.apply(answer.u8(item.offset + 2), settings);
    }
  }
}

void applyBlackMarkAnswer(std::span<const std::uint8_t> payload, PrintSettings& settings) {
  const PayloadReader answer(payload);
  const bool enabled = answer.u8(0) != 0;
  settings.blackMarkMode = enabled ? 1 : 0;
  settings.enableBlackMarkFields(enabled);
  settings.blackMarkLengthMm = dotsToMm(static_cast<std::int32_t>(answer.le32(1)));
  settings.blackMarkWidthMm = dotsToMm(static_cast<std::int32_t>(answer.le32(5)));
  settings.printAfterBlackMark =
      std::to_string(dotsToMm(static_cast<std::int16_t>(answer.le16(9))));
  settings.cutAfterBlackMark = std::to_string(dotsToMm(static_cast<std::int16_t>(answer.le16(11))));
  settings.bmValue = std::to_string(answer.u8(13));
}

}  // namespace z3mq
