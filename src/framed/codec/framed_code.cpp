#include "framed/codec/framed_code.h"

#include <algorithm>
#include <array>

namespace z3mq {
namespace {

struct CodeRow {
  FramedCode code;
  std::string_view name;
  bool acknowledged;
};

constexpr std::array kCatalogue{
    CodeRow{FramedCode::ReadSerialNumber, "ReadSerialNumber", false},
    CodeRow{FramedCode::ReadFirmwareVersion, "ReadFirmwareVersion", false},
    CodeRow{FramedCode::ReadModelName, "ReadModelName", false},
    CodeRow{FramedCode::ReadBluetoothAddress, "ReadBluetoothAddress", false},
    CodeRow{FramedCode::ReadPrintSettings, "ReadPrintSettings", false},
    CodeRow{FramedCode::ReadSettingItems, "ReadSettingItems", false},
    CodeRow{FramedCode::ReadInterface, "ReadInterface", false},
    CodeRow{FramedCode::ReadWifiSettings, "ReadWifiSettings", false},
    CodeRow{FramedCode::ReadBluetoothSettings, "ReadBluetoothSettings", false},
    CodeRow{FramedCode::ReadFontVersion, "ReadFontVersion", false},
    CodeRow{FramedCode::ReadPaperSaving, "ReadPaperSaving", false},
    CodeRow{FramedCode::ReadBlackMark, "ReadBlackMark", false},
    CodeRow{FramedCode::WriteCodePage, "WriteCodePage", true},
    CodeRow{FramedCode::WritePrintDensity, "WritePrintDensity", true},
    CodeRow{FramedCode::WritePrintSpeed, "WritePrintSpeed", true},
    CodeRow{FramedCode::WriteBaudRate, "WriteBaudRate", true},
    CodeRow{FramedCode::WriteParity, "WriteParity", true},
    CodeRow{FramedCode::WriteHandshaking, "WriteHandshaking", true},
    CodeRow{FramedCode::WritePaperWidth, "WritePaperWidth", true},
    CodeRow{FramedCode::WriteColumns, "WriteColumns", true},
    CodeRow{FramedCode::WriteInterface, "WriteInterface", true},
    CodeRow{FramedCode::WriteWifiSettings, "WriteWifiSettings", false},
    CodeRow{FramedCode::WriteSettingItems, "WriteSettingItems", true},
    CodeRow{FramedCode::WriteCharacterSet, "WriteCharacterSet", true},
    CodeRow{FramedCode::WriteCodePageType, "WriteCodePageType", false},
    CodeRow{FramedCode::WriteBluetoothSettings, "WriteBluetoothSettings", true},
    CodeRow{FramedCode::WriteBlackMark, "WriteBlackMark", false},
    CodeRow{FramedCode::WritePaperSaving, "WritePaperSaving", false},
    CodeRow{FramedCode::PrintSettingPage, "PrintSettingPage", false},
    CodeRow{FramedCode::WriteFontLanguage, "WriteFontLanguage", false},
};

const CodeRow* findRow(FramedCode code) {
  const auto* row = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                 [code](const CodeRow& r) { return r.code == code; });
  return row == kCatalogue.end() ? nullptr : row;
}

}  // namespace

std::string_view framedCodeName(FramedCode code) {
  const CodeRow* row = findRow(code);
  return row != nullptr ? row->name : "Unknown";
}

bool answerIsAcknowledgement(FramedCode code) {
  const CodeRow* row = findRow(code);
  return row != nullptr && row->acknowledged;
}

}  // namespace z3mq
