#pragma once

#include <string>

#include "framed/codec/print_settings.h"

namespace z3mq::test {

// The values a Q470 printer keeps: what its answers carry. Data and stop bits and six of the
// eight custom switches live on the page only, and the Black Mark fields are enabled with the
// mode.
inline PrintSettings keptByPrinter(PrintSettings s) {
  const PrintSettings page;
  s.dataBits = page.dataBits;
  s.stopBits = page.stopBits;
  for (std::size_t i = 0; i < kSwitch1086; ++i) s.customSwitches[i] = page.customSwitches[i];
  s.enableBlackMarkFields(s.blackMarkMode != 0);
  return s;
}

// Every travelling value away from the page's start and at the far end of its list or range.
inline PrintSettings everyValueAtItsLimit() {
  PrintSettings s;
  s.codePage = 35;
  s.baudRate = 8;
  s.parity = 2;
  s.handshaking = 2;
  s.printDensity = 7;
  s.printingSpeed = 2;
  s.paperWidth = 2;
  s.column = 0;
  s.multiLanguageFont = 5;
  s.paperSavingMode = 3;
  s.nearSensorSound = 1;
  s.usbMode = 1;
  s.errorSound = 2;
  s.externalBuzzerPattern = 2;
  s.printFinishSound = 1;
  s.internationalCharacterSet = 17;
  s.codePageType = 1;
  s.handshakingOperation = 1;
  s.customSwitches[kSwitch1087] = true;
  s.customSwitches[kSwitch1086] = true;
  s.blackMarkMode = 1;
  s.blackMarkLengthMm = 500;
  s.blackMarkWidthMm = 30;
  s.printAfterBlackMark = "-12";
  s.cutAfterBlackMark = "-23";
  s.bmValue = "210";
  return s;
}

}  // namespace z3mq::test
