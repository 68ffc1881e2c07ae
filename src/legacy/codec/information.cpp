#include "legacy/codec/information.h"

#include "legacy/codec/item_reader.h"
#include "legacy/codec/packet.h"

namespace z3mq {

namespace {

constexpr std::uint8_t kFontVersionLength = 9;

std::optional<std::string> fontVersion(LegacyItemReader& items) {
  const bool installed = items.nextLength() == kFontVersionLength;
  std::string text = items.text();
  if (!installed) return std::nullopt;
  return text;
}

}  // namespace

PrinterInformation readInformationResponse(std::span<const std::uint8_t> packet) {
  LegacyItemReader items(packet);
  PrinterInformation info;
  info.modelName = items.text();
  info.firmwareVersion = items.text();
  info.updateDate = items.text();
  info.serialNumber = items.text();
  items.rawText();  // an item the window never shows
  info.partition = items.text();
  // The font items exist when the stated length reaches past the partition item, i.e. when the
  // next length byte would lie before the trailer at N + 5.
  if (items.offset() < std::size_t{legacyBodyLength(packet)} + 5) {
    FontVersions fonts;
    fonts.singleByte = fontVersion(items);
    fonts.doubleByte = fontVersion(items);
    info.fontVersions = fonts;
  }
  return info;
}

}  // namespace z3mq
