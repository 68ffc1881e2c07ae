#pragma once

namespace z3mq::print_page {

// Template and controls of the Q470 printing settings page.
inline constexpr int kTemplateId = 156;

inline constexpr int kCodePageType = 1253;
inline constexpr int kCodePage = 1166;
inline constexpr int kMultiLanguageFont = 1273;
inline constexpr int kInternationalCharacterSet = 1251;
inline constexpr int kBaudRate = 1180;
inline constexpr int kParity = 1182;
inline constexpr int kHandshaking = 1188;
inline constexpr int kDataBits = 1184;  // hidden, never travels
inline constexpr int kStopBits = 1187;  // hidden, never travels
inline constexpr int kPrintingSpeed = 1218;
inline constexpr int kPaperWidth = 1247;
inline constexpr int kColumn = 1248;
inline constexpr int kPrintDensity = 1249;
inline constexpr int kUsbMode = 1250;
inline constexpr int kHandshakingOperation = 1270;
inline constexpr int kErrorSound = 1217;
inline constexpr int kPrintFinishSound = 1195;
inline constexpr int kExternalBuzzerPattern = 1252;
inline constexpr int kAutoCutMode = 1194;
inline constexpr int kNearSensorSound = 1255;
inline constexpr int kPaperSavingMode = 1254;
inline constexpr int kBlackMarkMode = 1271;

// The Black Mark group, in the order of the page's data exchange.
inline constexpr int kBlackMarkLength = 1279;
inline constexpr int kBlackMarkWidth = 1285;
inline constexpr int kPrintAfterBlackMark = 1175;
inline constexpr int kCutAfterBlackMark = 1298;
inline constexpr int kBmValue = 1219;

// Check boxes of 'Customized Settings', left to right: 1080 to 1087.
inline constexpr int kFirstCustomSwitch = 1080;

inline constexpr int kPrintSettingPageButton = 1030;
inline constexpr int kPrintAsciiButton = 1161;

}  // namespace z3mq::print_page
