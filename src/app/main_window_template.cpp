#include "app/main_window_template.h"

#include "app/main_window_controls.h"

namespace z3mq {

using namespace main_window;

namespace {

// The device label's font: Times New Roman, bold, a 40-pixel cell (30 points at 96 dpi).
const FontSpec kLargeLabelFont{"Times New Roman", 30, true};

}  // namespace

DialogTemplate mainWindowTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      .id = 102,
      .caption = "Z3M/Q470 Setting Tool Rev2.0",
      .widthDlu = 392,
      .heightDlu = 346,
      .font = {"Microsoft Sans Serif", 9},
      .controls = {
          {.id = kBanner, .kind = K::Picture, .rect = {10, 0, 13, 11}, .imageId = kBannerBitmap},
          {.id = -1, .kind = K::GroupBox, .rect = {10, 38, 97, 82}},
          {.id = kSearchButton,
           .kind = K::PushButton,
           .text = "Search Device",
           .rect = {23, 51, 68, 24}},
          {.id = kDeviceLabel,
           .kind = K::Label,
           .text = "Searching...",
           .rect = {13, 78, 87, 23},
           .style = {.centred = true},
           .font = kLargeLabelFont},
          {.id = kLinkTypeLabel,
           .kind = K::Label,
           .text = "USB type not found",
           .rect = {19, 104, 72, 8},
           .style = {.centred = true}},
          {.id = kComPortLabel, .kind = K::Label, .text = "Com Port", .rect = {11, 56, 30, 8}},
          {.id = kComPortList,
           .kind = K::DropDownList,
           .rect = {42, 54, 34, 30},
           .style = {.sorted = true}},
          {.id = kBaudRateLabel, .kind = K::Label, .text = "Baudrate", .rect = {11, 70, 29, 8}},
          {.id = kBaudRateList,
           .kind = K::DropDownList,
           .items = {"9600", "19200", "38400", "57600", "115200"},
           .rect = {42, 77, 35, 30}},
          {.id = kOpenButton, .kind = K::PushButton, .text = "Open", .rect = {12, 83, 31, 14}},
          {.id = kCloseButton, .kind = K::PushButton, .text = "Close", .rect = {49, 83, 30, 14}},
          {.id = -1, .kind = K::GroupBox, .rect = {111, 38, 152, 82}},
          {.id = kModelNameLabel,
           .kind = K::Label,
           .text = "Model Name:",
           .rect = {116, 45, 101, 8}},
          {.id = kFirmwareLabel,
           .kind = K::Label,
           .text = "FW Version:",
           .rect = {116, 56, 101, 8}},
          {.id = kSingleByteFontLabel,
           .kind = K::Label,
           .text = "Font Version  Single Byte:  -   -",
           .rect = {116, 66, 140, 8}},
          {.id = kDoubleByteFontLabel,
           .kind = K::Label,
           .text = "Double Byte: -  -",
           .rect = {156, 76, 99, 8}},
          {.id = kQ470SerialLabel, .kind = K::Label, .text = "SN:", .rect = {116, 76, 139, 8}},
          {.id = kUpdateDateLabel,
           .kind = K::Label,
           .text = "Update date:",
           .rect = {116, 86, 99, 8}},
          {.id = kZ3MSerialLabel, .kind = K::Label, .text = "SN:", .rect = {116, 97, 139, 8}},
          {.id = kPartitionLabel,
           .kind = K::Label,
           .text = "Partition Info:",
           .rect = {116, 107, 99, 8}},
          {.id = kReadButton, .kind = K::PushButton, .text = "READ", .rect = {270, 47, 99, 34}},
          {.id = kWriteButton, .kind = K::PushButton, .text = "WRITE", .rect = {270, 85, 99, 34}},
          {.id = kTabControl, .kind = K::TabControl, .rect = {10, 127, 372, 212}},
          {.id = kActivityLog,
           .kind = K::RichText,
           .rect = {65, 12, 29, 13},
           .style = {.hidden = true, .disabled = true}},
      }};
}

}  // namespace z3mq
