#include "cli/message_description.h"

#include <algorithm>
#include <cstdio>

#include "cli/json_fields.h"
#include "codec/text.h"
#include "framed/codec/frame.h"
#include "framed/codec/identity.h"
#include "framed/codec/network_decode.h"
#include "legacy/codec/information.h"
#include "legacy/codec/packet.h"
#include "legacy/codec/requests.h"
#include "legacy/codec/response.h"
#include "link/aux_report.h"

namespace z3mq {
namespace {

bool same(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

std::string inQuotes(const std::string& text) {
  return "\"" + text + "\"";
}

std::string framedName(FramedCode code) {
  char number[8];
  std::snprintf(number, sizeof number, "%04X", static_cast<unsigned>(code));
  return std::string(framedCodeName(code)) + " (" + number + ")";
}

std::string payloadSuffix(std::span<const std::uint8_t> payload) {
  return payload.empty() ? std::string() : ", payload " + hexBytes(payload);
}

std::string describeSentLegacy(std::span<const std::uint8_t> bytes) {
  if (same(bytes, informationRequest().bytes)) return "information request";
  if (same(bytes, menuReadRequest().bytes)) return "menu read request";
  if (same(bytes, settingPageRequest().bytes)) return "setting page request";
  if (same(bytes, resetRequest().bytes)) return "reset request";
  if (legacyByteAt(bytes, kLegacyCommandOffset) == kLegacySetRequestCommand &&
      legacyByteAt(bytes, kLegacySubCodeOffset) == kLegacyMenuSubCode) {
    return "menu write request, menu bytes " + hexBytes(menuBlockOfResponse(bytes));
  }
  return "legacy packet";
}

std::string describeFramedAnswer(const FrameView& frame) {
  const std::string name = framedName(frame.code) + " answer";
  if (findIdentityAnswer(frame.code) != nullptr) {
    return name + ": " + inQuotes(decodeInformationText(frame.payload));
  }
  if (answerIsAcknowledgement(frame.code)) return name + ": acknowledgement";
  NetworkSettings network;
  switch (frame.code) {
    case FramedCode::ReadInterface: {
      const bool wifi = applyInterfaceAnswer(frame.payload, network) == NetworkInterface::Wifi;
      const IpInterfaceSettings& ip = wifi ? network.wifi.ip : network.ethernet;
      return name + ": " + (wifi ? "Wi-Fi" : "Ethernet") + ", " +
             (ip.dhcpMode == 0 ? "Dynamic IP" : "Static IP") + ", IP " + addressText(ip.address) +
             ", MAC " + ip.macAddress;
    }
    case FramedCode::ReadWifiSettings:
      applyWifiSettingsAnswer(frame.payload, network);
      return name + ": SSID " + inQuotes(network.wifi.ssid);
    case FramedCode::ReadBluetoothSettings:
      applyBluetoothSettingsAnswer(frame.payload, network);
      return name + ": device name " + inQuotes(network.bluetooth.deviceName);
    case FramedCode::ReadBluetoothAddress:
      return name + ": " + hardwareAddressText(frame.payload);
    default:
      return name + payloadSuffix(frame.payload);
  }
}

std::string describeLegacyAnswer(std::span<const std::uint8_t> bytes) {
  switch (classifyLegacyResponse(bytes)) {
    case LegacyResponseKind::Information: {
      const PrinterInformation info = readInformationResponse(bytes);
      return "information response: model " + inQuotes(info.modelName) + ", firmware " +
             inQuotes(info.firmwareVersion) + ", serial " + inQuotes(info.serialNumber);
    }
    case LegacyResponseKind::MenuSwitch:
      return "menu switch response, menu bytes " + hexBytes(menuBlockOfResponse(bytes));
    case LegacyResponseKind::ModuleNotReady:
      return "module not ready (NAK)";
    case LegacyResponseKind::ModuleInformation:
      return "module information response";
    case LegacyResponseKind::EthernetInformation:
      return "Ethernet information response";
    case LegacyResponseKind::WriteAcknowledged:
      return "set response: write acknowledged";
    case LegacyResponseKind::WriteRefused:
      return "set response: write refused";
    case LegacyResponseKind::Presence:
      return "presence response";
    case LegacyResponseKind::Ignored:
      break;
  }
  return "legacy packet, not acted on";
}

std::string describeAuxReport(std::span<const std::uint8_t> bytes) {
  std::string text = "auxiliary report:";
  for (std::string line : auxReportLogLines(bytes)) {
    if (!line.empty() && line.back() == '\n') line.pop_back();
    text += " " + line;
  }
  return text;
}

}  // namespace

std::string hexBytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size() * 3);
  for (std::uint8_t byte : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof digits, text.empty() ? "%02X" : " %02X", byte);
    text += digits;
  }
  return text;
}

std::string describeSent(std::span<const std::uint8_t> bytes) {
  if (same(bytes, asciiTestLine())) return "ASCII test line";
  if (const auto frame = readFrame(bytes)) {
    return framedName(frame->code) + payloadSuffix(frame->payload);
  }
  if (bytes.size() >= 2 && bytes[0] == 0x01 && bytes[1] == 0x02) return describeSentLegacy(bytes);
  return "raw data";
}

std::string describeReceived(const Message& message) {
  switch (message.kind) {
    case MessageKind::Framed: {
      const auto frame = readFrame(message.bytes);
      return frame ? describeFramedAnswer(*frame) : "framed answer";
    }
    case MessageKind::Legacy:
      return describeLegacyAnswer(message.bytes);
    case MessageKind::AuxReport:
      return describeAuxReport(message.bytes);
  }
  return "message";
}

}  // namespace z3mq
