#include "support/scripted_z3m_printer.h"

#include <algorithm>

#include "legacy/codec/packet.h"
#include "legacy/codec/requests.h"
#include "legacy/response_body.h"

namespace z3mq {

namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;

bool isRequest(std::span<const std::uint8_t> bytes, const LegacyRequest& request) {
  return std::ranges::equal(bytes, request.bytes);
}

// A menu write: 01 02 0B 00 53 FF 09 and the nine bytes.
bool isMenuWrite(std::span<const std::uint8_t> bytes) {
  return bytes.size() == 18 && bytes[kLegacyCommandOffset] == kLegacySetRequestCommand &&
         bytes[kLegacySubCodeOffset] == kLegacyMenuSubCode;
}

Message legacy(std::vector<std::uint8_t> bytes) {
  return Message{MessageKind::Legacy, std::move(bytes)};
}

}  // namespace

std::vector<std::uint8_t> ScriptedZ3MPrinter::informationResponse() const {
  ResponseBody body(kLegacyIdentitySubCode);
  body.text(identity.modelName)
      .text(identity.firmwareVersion)
      .text(identity.updateDate)
      .text(identity.serialNumber)
      .text("factory")
      .text(identity.partition);
  if (identity.singleByteFont || identity.doubleByteFont) {
    body.text(identity.singleByteFont.value_or("")).text(identity.doubleByteFont.value_or(""));
  }
  return body.packet();
}

std::vector<std::uint8_t> ScriptedZ3MPrinter::menuSwitchResponse() const {
  ResponseBody body(kLegacyMenuSubCode);
  body.byte(static_cast<std::uint8_t>(menu.size()));
  for (std::uint8_t byte : menu) body.byte(byte);
  return body.packet();
}

std::vector<std::uint8_t> ScriptedZ3MPrinter::setResponse(std::uint8_t subCode,
                                                          std::uint8_t status) {
  return ResponseBody(subCode).byte(status).packet(kLegacySetResponseCommand);
}

std::vector<Message> ScriptedZ3MPrinter::answer(std::span<const std::uint8_t> request) {
  if (isRequest(request, informationRequest())) return {legacy(informationResponse())};
  if (isRequest(request, menuReadRequest())) return {legacy(menuSwitchResponse())};
  if (isMenuWrite(request)) {
    if (refuseWrites) return {legacy(setResponse(kLegacyMenuSubCode, kNak))};
    std::copy_n(request.begin() + 7, menu.size(), menu.begin());
    return {legacy(setResponse(kLegacyMenuSubCode, kAck))};
  }
  return {};
}

}  // namespace z3mq
