#pragma once

namespace z3mq::main_window {

// Control ids of the main window (template 102) that the shell addresses.
inline constexpr int kBanner = 1274;
inline constexpr int kSearchButton = 1259;
inline constexpr int kDeviceLabel = 1258;
inline constexpr int kLinkTypeLabel = 1262;

inline constexpr int kComPortList = 1000;
inline constexpr int kBaudRateList = 1001;
inline constexpr int kOpenButton = 1005;
inline constexpr int kCloseButton = 1006;
inline constexpr int kComPortLabel = 1260;
inline constexpr int kBaudRateLabel = 1261;

inline constexpr int kModelNameLabel = 1242;
inline constexpr int kFirmwareLabel = 1243;
inline constexpr int kSingleByteFontLabel = 1303;
inline constexpr int kDoubleByteFontLabel = 1304;
inline constexpr int kQ470SerialLabel = 1307;
inline constexpr int kUpdateDateLabel = 1245;
inline constexpr int kZ3MSerialLabel = 1244;
inline constexpr int kPartitionLabel = 1246;

inline constexpr int kReadButton = 1079;
inline constexpr int kWriteButton = 1256;
inline constexpr int kTabControl = 1220;
inline constexpr int kActivityLog = 1007;

// Picture resources.
inline constexpr int kApplicationIcon = 128;
inline constexpr int kBannerBitmap = 152;

}  // namespace z3mq::main_window
