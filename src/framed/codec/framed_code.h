#pragma once

#include <cstdint>
#include <string_view>

namespace z3mq {

// Command codes of the Q470 framed protocol. An answer carries the code of its request; 0x01xx
// read settings or identity, 0x02xx write settings or trigger an action. Any 16-bit value may
// arrive from a printer, so values outside this list are valid FramedCode values too.
enum class FramedCode : std::uint16_t {
  ReadSerialNumber = 0x0101,
  ReadFirmwareVersion = 0x0102,
  ReadModelName = 0x0103,
  ReadBluetoothAddress = 0x0106,
  ReadPrintSettings = 0x0111,
  ReadSettingItems = 0x0112,
  ReadInterface = 0x0113,
  ReadWifiSettings = 0x0114,
  ReadBluetoothSettings = 0x0115,
  ReadFontVersion = 0x0116,
  ReadPaperSaving = 0x0117,
  ReadBlackMark = 0x0118,
  WriteCodePage = 0x0202,
  WritePrintDensity = 0x0203,
  WritePrintSpeed = 0x0204,
  WriteBaudRate = 0x0212,
  WriteParity = 0x0213,
  WriteHandshaking = 0x0215,
  WritePaperWidth = 0x021A,
  WriteColumns = 0x021B,
  WriteInterface = 0x021E,
  WriteWifiSettings = 0x021F,
  WriteSettingItems = 0x0220,
  WriteCharacterSet = 0x0221,
  WriteCodePageType = 0x0222,
  WriteBluetoothSettings = 0x0223,
  WriteBlackMark = 0x0226,
  WritePaperSaving = 0x0227,
  PrintSettingPage = 0x0228,
  WriteFontLanguage = 0x022A,
};

// The enumerator's name ("ReadModelName"), or "Unknown" for a code outside the catalogue.
std::string_view framedCodeName(FramedCode code);

// Whether the printer's answer to this code is a mere acknowledgement of a write. Answers to
// the other write codes are not used either; only answers to reads carry values.
bool answerIsAcknowledgement(FramedCode code);

}  // namespace z3mq
