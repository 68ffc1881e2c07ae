#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace z3mq {

enum class PrinterFamily : std::int32_t { None = 0, Z3M = 1, Q470 = 2 };

enum class LinkKind : std::int32_t { SerialEmulate = 0, ActualUsb = 1 };

// One row per printer we know. Discovery, classification, hot-plug texts and the CLI read this
// table; nothing else names a vendor or product id.
struct PrinterModel {
  std::uint16_t vendorId;
  std::uint16_t productId;
  PrinterFamily family;
  LinkKind linkKind;
  std::string_view modelName;  // shown in the device label
  std::string_view deviceId;   // as device notifications spell it
};

inline constexpr std::array<PrinterModel, 4> kKnownPrinters{{
    {0x045B, 0x5310, PrinterFamily::Z3M, LinkKind::SerialEmulate, "Z3M-P", "VID_045B&PID_5310"},
    {0x045B, 0x5311, PrinterFamily::Z3M, LinkKind::ActualUsb, "Z3M-P", "VID_045B&PID_5311"},
    {0x28E9, 0x018A, PrinterFamily::Q470, LinkKind::SerialEmulate, "Q470", "VID_28E9&PID_018A"},
    {0x0FE6, 0x8121, PrinterFamily::Q470, LinkKind::ActualUsb, "Q470", "VID_0FE6&PID_8121"},
}};

inline constexpr std::string_view kUnknownModelName = "Unknown";

// The known printer with these ids, or nullptr.
const PrinterModel* findPrinterModel(std::uint16_t vendorId, std::uint16_t productId);

// The known printer whose device identifier ("VID_045B&PID_5310", compared whole and
// case-sensitively) is given, or nullptr.
const PrinterModel* findPrinterModelByDeviceId(std::string_view deviceId);

// "Z3M-P", "Q470", or "Unknown" when no known printer was found.
std::string_view modelNameOf(const PrinterModel* model);

// "VID_045B&PID_5310" style identifier and Windows-style interface name of a USB device, used
// where texts are built from them.
std::string usbDeviceId(std::uint16_t vendorId, std::uint16_t productId);
std::string usbInterfaceName(std::uint16_t vendorId, std::uint16_t productId,
                             std::string_view instance);

}  // namespace z3mq
