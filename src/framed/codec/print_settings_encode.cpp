#include "framed/codec/print_settings_encode.h"

#include "framed/codec/black_mark.h"
#include "framed/codec/payload_bytes.h"
#include "framed/codec/print_setting_lists.h"
#include "framed/codec/wire_codes.h"

namespace z3mq {
namespace {

// A list index travels as its low byte.
std::uint8_t lowByte(int value) {
  return static_cast<std::uint8_t>(value);
}

std::uint8_t flag(bool on) {
  return on ? 0x01 : 0x00;
}

// Print density and speed travel as the ASCII digit of their index.
std::uint8_t asciiDigit(int index) {
  return static_cast<std::uint8_t>('0' + lowByte(index));
}

FramedRequest oneByte(FramedCode code, int value) {
  return {code, {lowByte(value)}};
}

FramedRequest paperSavingRequest(int mode) {
  const bool on = mode >= 1 && mode <= 3;
  const std::uint8_t enabled = flag(on);
  const std::uint8_t level = on ? lowByte(mode) : 0x00;
  return {FramedCode::WritePaperSaving, {1, enabled, 2, enabled, 3, level, 4, level, 5, level}};
}

FramedRequest blackMarkRequest(const PrintSettings& settings) {
  if (settings.blackMarkMode == 0) return {FramedCode::WriteBlackMark, {0x01, 0x00}};
  const BlackMarkValues values = blackMarkValuesOf(settings);
  std::vector<std::uint8_t> payload{0x01, lowByte(settings.blackMarkMode), 0x02};
  appendLe32(payload, mmToDots(values.lengthMm));
  payload.push_back(0x03);
  appendLe32(payload, mmToDots(values.widthMm));
  payload.push_back(0x04);
  appendLe16(payload, static_cast<std::uint16_t>(mmToDots(values.printAfterMm)));
  payload.push_back(0x05);
  appendLe16(payload, static_cast<std::uint16_t>(mmToDots(values.cutAfterMm)));
  payload.push_back(0x06);
  payload.push_back(lowByte(values.level));
  return {FramedCode::WriteBlackMark, std::move(payload)};
}

// Numbered (number, 0x01, value); the numbering differs from the read answer's.
FramedRequest settingItemsRequest(const PrintSettings& settings) {
  const std::uint8_t values[] = {
      lowByte(settings.nearSensorSound),
      flag(settings.usbMode == 0),
      lowByte(settings.errorSound),
      static_cast<std::uint8_t>(lowByte(settings.externalBuzzerPattern) + 1),
      lowByte(settings.printFinishSound),
      lowByte(settings.handshakingOperation),
      flag(settings.customSwitches[kSwitch1087]),
      flag(settings.customSwitches[kSwitch1086]),
  };
  std::vector<std::uint8_t> payload;
  std::uint8_t number = 1;
  for (const std::uint8_t value : values) payload.insert(payload.end(), {number++, 0x01, value});
  return {FramedCode::WriteSettingItems, std::move(payload)};
}

}  // namespace

PrintSettingsWrite printSettingsWriteRequests(const PrintSettings& settings) {
  PrintSettingsWrite write;
  auto& out = write.requests;
  if (const auto number = codePageNumberAt(settings.codePage)) {
    out.push_back({FramedCode::WriteCodePage, {*number, 0x00}});
  } else {
    write.codePageLeftOut = true;
  }
  out.push_back(oneByte(FramedCode::WriteBaudRate, settings.baudRate));
  out.push_back(oneByte(FramedCode::WriteParity, settings.parity));
  out.push_back(oneByte(FramedCode::WriteHandshaking, settings.handshaking));
  out.push_back({FramedCode::WritePrintDensity, {asciiDigit(settings.printDensity)}});
  out.push_back({FramedCode::WritePrintSpeed, {asciiDigit(settings.printingSpeed)}});
  out.push_back(
      {FramedCode::WritePaperWidth, {codeOfIndex(kPaperWidthCodes, settings.paperWidth)}});
  out.push_back({FramedCode::WriteColumns, {flag(settings.column == 1)}});
  out.push_back(oneByte(FramedCode::WriteCharacterSet, settings.internationalCharacterSet));
  out.push_back({FramedCode::WriteCodePageType, {flag(settings.codePageType == 0)}});
  out.push_back({FramedCode::WriteFontLanguage,
                 {codeOfIndex(kMultiLanguageFontCodes, settings.multiLanguageFont)}});
  out.push_back(paperSavingRequest(settings.paperSavingMode));
  out.push_back(blackMarkRequest(settings));
  out.push_back(settingItemsRequest(settings));
  return write;
}

}  // namespace z3mq
