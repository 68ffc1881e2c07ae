#include "sim/q470_answers.h"

#include <array>

#include "codec/text.h"
#include "framed/codec/black_mark.h"
#include "framed/codec/network_encode.h"
#include "framed/codec/payload_bytes.h"
#include "framed/codec/print_setting_lists.h"
#include "framed/codec/wire_codes.h"

namespace z3mq {

namespace {

// A code page number that no row of the list has: the host then shows no selection.
constexpr std::uint8_t kNoCodePageNumber = 8;

// The index when its list has it, else `beyond`, a field value past the list's end.
template <std::size_t N>
std::uint8_t indexOr(const std::array<std::string_view, N>& items, int index, std::uint8_t beyond) {
  return selectionIn(items, index) < 0 ? beyond : static_cast<std::uint8_t>(index);
}

std::uint8_t flag(bool on) {
  return on ? 0x01 : 0x00;
}

// Numbered items of the ReadSettingItems answer: (number, 01, value) at fixed offsets.
struct SettingItemValue {
  std::size_t offset;
  std::uint8_t number;
  std::uint8_t value;
};

// Patterns travel as 1 to 3; 0 shows the first pattern, as no pattern cannot be shown.
std::uint8_t buzzerPatternValue(int index) {
  return selectionIn(kExternalBuzzerPatternItems, index) < 0 ? 0x00
                                                             : static_cast<std::uint8_t>(index + 1);
}

}  // namespace

std::vector<std::uint8_t> informationTextPayload(std::string_view utf8Text) {
  const std::vector<std::uint8_t> text = utf8ToAnsi(utf8Text);
  std::vector<std::uint8_t> payload;
  appendLe16(payload, static_cast<std::uint16_t>(text.size()));
  payload.insert(payload.end(), text.begin(), text.end());
  return payload;
}

std::vector<std::uint8_t> printSettingsAnswer(const PrintSettings& s) {
  std::vector<std::uint8_t> payload(16, 0x00);
  payload[0] = codePageNumberAt(s.codePage).value_or(kNoCodePageNumber);
  payload[1] = indexOr(kBaudRateItems, s.baudRate, 0x0F);
  payload[2] = indexOr(kParityItems, s.parity, 0x03);
  payload[5] = indexOr(kHandshakingItems, s.handshaking, 0x03);
  payload[9] = flag(s.autoCutMode == 0);
  payload[10] = static_cast<std::uint8_t>('0' + indexOr(kPrintDensityItems, s.printDensity, 9));
  payload[11] = static_cast<std::uint8_t>('0' + indexOr(kPrintingSpeedItems, s.printingSpeed, 0));
  payload[12] = codeOfIndex(kPaperWidthCodes, s.paperWidth);
  payload[13] = flag(s.column == 1);
  payload[15] = codeOfIndex(kMultiLanguageFontCodes, s.multiLanguageFont);
  return payload;
}

std::vector<std::uint8_t> paperSavingAnswer(const PrintSettings& s) {
  const bool on = s.paperSavingMode >= 1 && s.paperSavingMode <= 3;
  const auto level = static_cast<std::uint8_t>(on ? s.paperSavingMode : 0);
  return {flag(on), flag(on), level, level, level};
}

std::vector<std::uint8_t> settingItemsAnswer(const PrintSettings& s) {
  const std::array items{
      SettingItemValue{0, 1, flag(s.nearSensorSound != 0)},
      SettingItemValue{3, 2, flag(s.usbMode != 1)},
      SettingItemValue{6, 3, indexOr(kSoundItems, s.errorSound, 0x03)},
      SettingItemValue{9, 4, buzzerPatternValue(s.externalBuzzerPattern)},
      SettingItemValue{24, 7, indexOr(kSoundItems, s.printFinishSound, 0x03)},
      SettingItemValue{27, 8,
                       indexOr(kInternationalCharacterSetItems, s.internationalCharacterSet, 0)},
      SettingItemValue{30, 9, flag(s.codePageType == 0)},
      SettingItemValue{33, 10, flag(s.handshakingOperation == 1)},
      SettingItemValue{36, 11, flag(s.customSwitches[kSwitch1087])},
      SettingItemValue{39, 12, flag(s.customSwitches[kSwitch1086])},
  };
  std::vector<std::uint8_t> payload(42, 0x00);
  for (const SettingItemValue& item : items) {
    payload[item.offset] = item.number;
    payload[item.offset + 1] = 0x01;
    payload[item.offset + 2] = item.value;
  }
  return payload;
}

std::vector<std::uint8_t> blackMarkAnswer(const PrintSettings& s) {
  const BlackMarkValues values = blackMarkValuesOf(s);
  std::vector<std::uint8_t> payload{flag(s.blackMarkMode != 0)};
  appendLe32(payload, mmToDots(values.lengthMm));
  appendLe32(payload, mmToDots(values.widthMm));
  appendLe16(payload, static_cast<std::uint16_t>(mmToDots(values.printAfterMm)));
  appendLe16(payload, static_cast<std::uint16_t>(mmToDots(values.cutAfterMm)));
  payload.push_back(static_cast<std::uint8_t>(values.level));
  return payload;
}

std::vector<std::uint8_t> interfaceAnswer(NetworkInterface which, const NetworkSettings& network,
                                          const HardwareAddress& mac) {
  std::vector<std::uint8_t> payload = which == NetworkInterface::Ethernet
                                          ? ethernetInterfaceWrite(network).payload
                                          : wifiInterfaceWrite(network).payload;
  payload.insert(payload.end(), mac.begin(), mac.end());
  return payload;
}

std::vector<std::uint8_t> wifiSettingsAnswer(const NetworkSettings& network) {
  return wifiSettingsWrite(network).payload;
}

std::vector<std::uint8_t> bluetoothSettingsAnswer(const NetworkSettings& network) {
  return bluetoothSettingsWrite(network).payload;
}

}  // namespace z3mq
