#include "support/scripted_q470_printer.h"

#include "framed/codec/payload_bytes.h"

namespace z3mq {
namespace {

// ReadInterface answers depend on the interface asked for; other reads do not.
int selectorOf(FramedCode code, std::span<const std::uint8_t> payload) {
  return code == FramedCode::ReadInterface && !payload.empty() ? payload[0] : -1;
}

}  // namespace

ScriptedQ470Printer::ScriptedQ470Printer(std::string_view firmware) {
  setInformationText(FramedCode::ReadModelName, "Q470");
  setInformationText(FramedCode::ReadFirmwareVersion, firmware);
  setInformationText(FramedCode::ReadFontVersion, "KOR 1.0");
  setInformationText(FramedCode::ReadSerialNumber, "Q47000123");
  // Code page 6, 115200 baud, even parity, XON/XOFF, no cut, density '4', speed '1', 58 mm,
  // 42 columns, traditional Chinese.
  setAnswer(FramedCode::ReadPrintSettings,
            {6, 0x05, 0x02, 0, 0, 0x01, 0, 0, 0, 0x01, '4', '1', 'U', 0x00, 0, 0xFE});
  setAnswer(FramedCode::ReadPaperSaving, {1, 1, 2, 2, 2});
  setAnswer(FramedCode::ReadSettingItems,
            {1, 1, 1, 2, 1, 0, 3, 1, 2,  4, 1, 3, 0,  0, 0, 0,  0, 0, 0,  0, 0,
             0, 0, 0, 7, 1, 1, 8, 1, 17, 9, 1, 0, 10, 1, 1, 11, 1, 1, 12, 1, 0});
  // Enabled; 400 dots, 24 dots, -96 dots, 0 dots, level 100.
  setAnswer(FramedCode::ReadBlackMark,
            {0x01, 0x90, 0x01, 0, 0, 0x18, 0, 0, 0, 0xA0, 0xFF, 0x00, 0x00, 100});
  setInterfaceAnswer(0, interfaceRecord(0, {10, 0, 0, 5, 10, 0, 0, 1, 255, 0, 0, 0}, 0x00,
                                        {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));
  setInterfaceAnswer(1, interfaceRecord(1, {172, 16, 0, 9, 172, 16, 0, 1, 255, 255, 0, 0}, 0x01,
                                        {0x11, 0x22, 0x33, 0x44, 0x55, 0x66}));
  setAnswer(FramedCode::ReadWifiSettings,
            countedTexts({0xAA, 0x55, 0x00}, "OfficeAP", "secret123"));
  setAnswer(FramedCode::ReadBluetoothSettings, countedTexts({}, "Q470-BT", "1234"));
  setAnswer(FramedCode::ReadBluetoothAddress, {0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC});
}

void ScriptedQ470Printer::setAnswer(FramedCode code, std::vector<std::uint8_t> payload) {
  answers_[{code, -1}] = std::move(payload);
}

void ScriptedQ470Printer::setInterfaceAnswer(std::uint8_t interface,
                                             std::vector<std::uint8_t> payload) {
  answers_[{FramedCode::ReadInterface, interface}] = std::move(payload);
}

void ScriptedQ470Printer::setInformationText(FramedCode code, std::string_view text) {
  setAnswer(code, informationText(text));
}

void ScriptedQ470Printer::forget(FramedCode code) {
  std::erase_if(answers_, [code](const auto& entry) { return entry.first.first == code; });
}

std::vector<Message> ScriptedQ470Printer::answer(std::span<const std::uint8_t> request) {
  const auto frame = readFrame(request);
  if (!frame) return {};
  const auto it = answers_.find({frame->code, selectorOf(frame->code, frame->payload)});
  if (it == answers_.end()) return {};
  const LinkKind kind = frame->linkByte == linkByteOf(LinkKind::ActualUsb)
                            ? LinkKind::ActualUsb
                            : LinkKind::SerialEmulate;
  return {Message{MessageKind::Framed, buildFrame(kind, frame->code, it->second)}};
}

std::vector<std::uint8_t> ScriptedQ470Printer::informationText(std::string_view text) {
  std::vector<std::uint8_t> payload;
  appendLe16(payload, static_cast<std::uint16_t>(text.size()));
  payload.insert(payload.end(), text.begin(), text.end());
  return payload;
}

std::vector<std::uint8_t> ScriptedQ470Printer::interfaceRecord(
    std::uint8_t interface, std::array<std::uint8_t, 12> addresses, std::uint8_t dhcp,
    std::array<std::uint8_t, 6> mac) {
  std::vector<std::uint8_t> payload{interface};
  payload.insert(payload.end(), addresses.begin(), addresses.end());
  payload.insert(payload.end(), {0x8C, 0x23, dhcp});
  payload.insert(payload.end(), mac.begin(), mac.end());
  return payload;
}

std::vector<std::uint8_t> ScriptedQ470Printer::countedTexts(std::vector<std::uint8_t> head,
                                                            std::string_view first,
                                                            std::string_view second) {
  head.push_back(static_cast<std::uint8_t>(first.size()));
  head.push_back(static_cast<std::uint8_t>(second.size()));
  head.insert(head.end(), first.begin(), first.end());
  head.insert(head.end(), second.begin(), second.end());
  return head;
}

}  // namespace z3mq
