#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace z3mq {

// Every value of the Q470 printing settings page. Lists hold their selected index (the item
// lists are in print_setting_lists.h), -1 meaning no selection. A default-constructed value is
// the page's start state.
struct PrintSettings {
  // Font system
  int codePageType = 0;
  int codePage = 0;
  int multiLanguageFont = 0;
  int internationalCharacterSet = 0;
  // Serial settings; data bits and stop bits live on the page but never travel.
  int baudRate = 0;
  int parity = 0;
  int handshaking = 0;
  int dataBits = 0;
  int stopBits = 0;
  // Printing system
  int printingSpeed = 3;
  int paperWidth = 0;
  int column = 1;
  int printDensity = 0;
  // Interface
  int usbMode = 0;
  int handshakingOperation = 0;
  // Autocut & sound; Auto Cut mode is read from the printer but never written.
  int errorSound = 1;
  int printFinishSound = 0;
  int externalBuzzerPattern = 0;
  int autoCutMode = 1;
  int nearSensorSound = 0;
  int paperSavingMode = 0;
  // Customized settings: check boxes 1080 to 1087, left to right. Only the last two travel.
  std::array<bool, 8> customSwitches{};
  // Black Mark: distances in millimetres; the three texts are what the user typed.
  int blackMarkMode = 0;
  std::int32_t blackMarkLengthMm = 300;
  std::int32_t blackMarkWidthMm = 5;
  std::string printAfterBlackMark = "0";
  std::string cutAfterBlackMark = "0";
  std::string bmValue = "180";
  // The four distance fields start disabled while BM Value starts enabled; a Black Mark Mode
  // change or answer then enables or disables all five together.
  bool blackMarkDistancesEnabled = false;
  bool bmValueEnabled = true;

  void enableBlackMarkFields(bool enabled) {
    blackMarkDistancesEnabled = enabled;
    bmValueEnabled = enabled;
  }

  bool operator==(const PrintSettings&) const = default;
};

// Positions in customSwitches of the two check boxes that carry printer settings.
inline constexpr std::size_t kSwitch1086 = 6;
inline constexpr std::size_t kSwitch1087 = 7;

}  // namespace z3mq
