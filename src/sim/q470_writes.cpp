#include "sim/q470_writes.h"

#include <algorithm>
#include <array>
#include <string>

#include "framed/codec/black_mark.h"
#include "framed/codec/network_decode.h"
#include "framed/codec/payload_bytes.h"
#include "framed/codec/print_setting_lists.h"

namespace z3mq {

namespace {

// Takes a value only when its list has an item for it.
template <std::size_t N>
void takeListed(const std::array<std::string_view, N>& items, int value, int& field) {
  if (selectionIn(items, value) >= 0) field = value;
}

// Takes the index of a code only when some item has that code.
template <std::size_t N>
void takeCoded(const std::array<std::uint8_t, N>& codes, std::uint8_t code, int& field) {
  const auto* found = std::find(codes.begin(), codes.end(), code);
  if (found != codes.end()) field = static_cast<int>(found - codes.begin());
}

void takeCodePage(const PayloadReader& in, PrintSettings& s) {
  const int index = codePageIndexOf(in.u8(0));
  if (index >= 0) s.codePage = index;
}

void takePaperSaving(const PayloadReader& in, PrintSettings& s) {
  const std::uint8_t level = in.u8(5);
  const bool on = in.u8(1) == 0x01 && in.u8(3) == 0x01 && level >= 1 && level <= 3;
  s.paperSavingMode = on ? level : 0;
}

std::string mmText(std::int16_t dots) {
  return std::to_string(dotsToMm(dots));
}

void takeBlackMark(const PayloadReader& in, PrintSettings& s) {
  const std::uint8_t mode = in.u8(1);
  if (selectionIn(kBlackMarkModeItems, mode) < 0) return;
  s.blackMarkMode = mode;
  s.enableBlackMarkFields(mode != 0);
  // "01 00" switches Black Mark off and carries no distances.
  if (mode == 0) return;
  s.blackMarkLengthMm = dotsToMm(static_cast<std::int32_t>(in.le32(3)));
  s.blackMarkWidthMm = dotsToMm(static_cast<std::int32_t>(in.le32(8)));
  s.printAfterBlackMark = mmText(static_cast<std::int16_t>(in.le16(13)));
  s.cutAfterBlackMark = mmText(static_cast<std::int16_t>(in.le16(16)));
  s.bmValue = std::to_string(in.u8(19));
}

// WriteSettingItems numbers its eight items 1 to 8: (number, 01, value) at offsets 0, 3, ... 21.
void takeSettingItem(std::uint8_t number, std::uint8_t value, PrintSettings& s) {
  switch (number) {
    case 1:
      takeListed(kNearSensorSoundItems, value, s.nearSensorSound);
      break;
    case 2:
      s.usbMode = value == 0x01 ? 0 : 1;
      break;
    case 3:
      takeListed(kSoundItems, value, s.errorSound);
      break;
    case 4:
      takeListed(kExternalBuzzerPatternItems, value - 1, s.externalBuzzerPattern);
      break;
    case 5:
      takeListed(kSoundItems, value, s.printFinishSound);
      break;
    case 6:
      takeListed(kHandshakingOperationItems, value, s.handshakingOperation);
      break;
    case 7:
      s.customSwitches[kSwitch1087] = value == 0x01;
      break;
    case 8:
      s.customSwitches[kSwitch1086] = value == 0x01;
      break;
    default:
      break;
  }
}

void takeSettingItems(const PayloadReader& in, PrintSettings& s) {
  constexpr std::size_t kItems = 8;
  for (std::size_t i = 0; i < kItems; ++i) {
    const std::size_t offset = 3 * i;
    if (in.u8(offset + 1) == 0x01) takeSettingItem(in.u8(offset), in.u8(offset + 2), s);
  }
}

int digitValue(std::uint8_t byte) {
  return byte >= '0' && byte <= '9' ? byte - '0' : -1;
}

struct PrintSettingsWriteRule {
  FramedCode code;
  void (*take)(const PayloadReader& in, PrintSettings& s);
};

constexpr std::array kPrintSettingsWrites{
    PrintSettingsWriteRule{FramedCode::WriteCodePage, takeCodePage},
    PrintSettingsWriteRule{FramedCode::WriteBaudRate,
                           [](const PayloadReader& in, PrintSettings& s) {
                             takeListed(kBaudRateItems, in.u8(0), s.baudRate);
                           }},
    PrintSettingsWriteRule{FramedCode::WriteParity,
                           [](const PayloadReader& in, PrintSettings& s) {
                             takeListed(kParityItems, in.u8(0), s.parity);
                           }},
    PrintSettingsWriteRule{FramedCode::WriteHandshaking,
                           [](const PayloadReader& in, PrintSettings& s) {
                             takeListed(kHandshakingItems, in.u8(0), s.handshaking);
                           }},
    PrintSettingsWriteRule{FramedCode::WritePrintDensity,
                           [](const PayloadReader& in, PrintSettings& s) {
                             takeListed(kPrintDensityItems, digitValue(in.u8(0)), s.printDensity);
                           }},
    PrintSettingsWriteRule{FramedCode::WritePrintSpeed,
                           [](const PayloadReader& in, PrintSettings& s) {
                             takeListed(kPrintingSpeedItems, digitValue(in.u8(0)), s.printingSpeed);
                           }},
    PrintSettingsWriteRule{FramedCode::WritePaperWidth,
                           [](const PayloadReader& in, PrintSettings& s) {
                             takeCoded(kPaperWidthCodes, in.u8(0), s.paperWidth);
                           }},
    PrintSettingsWriteRule{
        FramedCode::WriteColumns,
        [](const PayloadReader& in, PrintSettings& s) { s.column = in.u8(0) == 0x01 ? 1 : 0; }},
    PrintSettingsWriteRule{FramedCode::WriteCharacterSet,
                           [](const PayloadReader& in, PrintSettings& s) {
                             takeListed(kInternationalCharacterSetItems, in.u8(0),
                                        s.internationalCharacterSet);
                           }},
    PrintSettingsWriteRule{FramedCode::WriteCodePageType,
                           [](const PayloadReader& in, PrintSettings& s) {
                             s.codePageType = in.u8(0) == 0x01 ? 0 : 1;
                           }},
    PrintSettingsWriteRule{FramedCode::WriteFontLanguage,
                           [](const PayloadReader& in, PrintSettings& s) {
                             takeCoded(kMultiLanguageFontCodes, in.u8(0), s.multiLanguageFont);
                           }},
    PrintSettingsWriteRule{FramedCode::WritePaperSaving, takePaperSaving},
    PrintSettingsWriteRule{FramedCode::WriteBlackMark, takeBlackMark},
    PrintSettingsWriteRule{FramedCode::WriteSettingItems, takeSettingItems},
};

}  // namespace

bool applyPrintSettingsWrite(FramedCode code, std::span<const std::uint8_t> payload,
                             PrintSettings& settings) {
  const auto* rule =
      std::find_if(kPrintSettingsWrites.begin(), kPrintSettingsWrites.end(),
                   [code](const PrintSettingsWriteRule& r) { return r.code == code; });
  if (rule == kPrintSettingsWrites.end()) return false;
  rule->take(PayloadReader(payload), settings);
  return true;
}

bool applyNetworkWrite(FramedCode code, std::span<const std::uint8_t> payload,
                       NetworkSettings& network) {
  switch (code) {
    case FramedCode::WriteInterface: {
      // The interface record of a write is the answer's without the MAC address, which the
      // record cannot change.
      NetworkSettings written = network;
      const NetworkInterface which = applyInterfaceAnswer(payload, written);
      IpInterfaceSettings& target =
          which == NetworkInterface::Ethernet ? network.ethernet : network.wifi.ip;
      const std::string mac = target.macAddress;
      target = which == NetworkInterface::Ethernet ? written.ethernet : written.wifi.ip;
      target.macAddress = mac;
      // The Ethernet record carries the local port high byte first; Wi-Fi always sends 9100.
      if (which == NetworkInterface::Ethernet) {
        const PayloadReader in(payload);
        network.localPort = in.u8(13) << 8 | in.u8(14);
      }
      return true;
    }
    case FramedCode::WriteWifiSettings:
      applyWifiSettingsAnswer(payload, network);
      return true;
    case FramedCode::WriteBluetoothSettings:
      applyBluetoothSettingsAnswer(payload, network);
      return true;
    default:
      return false;
  }
}

}  // namespace z3mq
