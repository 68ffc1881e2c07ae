#include <gtest/gtest.h>

#include "codec/text.h"
#include "framed/codec/identity.h"
#include "framed/codec/maintenance.h"
#include "framed/codec/network_capability.h"
#include "framed/codec/network_decode.h"
#include "framed/codec/network_encode.h"
#include "framed/codec/print_settings_decode.h"
#include "framed/codec/print_settings_encode.h"
#include "sim/host_side.h"
#include "sim/q470_answers.h"
#include "sim/q470_settings_cases.h"
#include "sim/simulated_printer.h"

namespace z3mq {
namespace {

using test::ask;
using test::keptByPrinter;

SimOptions q470Options(LinkKind link = LinkKind::SerialEmulate) {
  SimOptions options;
  options.family = PrinterFamily::Q470;
  options.linkKind = link;
  return options;
}

// The payload of the single answer to a request, checked to carry the request's code.
std::vector<std::uint8_t> answerPayload(SimulatedPrinter& printer, const FramedRequest& request) {
  const auto messages = ask(printer, request);
  if (messages.size() != 1) {
    ADD_FAILURE() << "answers to " << framedCodeName(request.code) << ": " << messages.size();
    return {};
  }
  const auto frame = readFrame(messages[0].bytes);
  EXPECT_EQ(frame->code, request.code);
  return {frame->payload.begin(), frame->payload.end()};
}

PrintSettings readPrintSettings(SimulatedPrinter& printer) {
  PrintSettings shown;
  applyPrintSettingsAnswer(answerPayload(printer, {FramedCode::ReadPrintSettings, {}}), shown);
  applyPaperSavingAnswer(answerPayload(printer, {FramedCode::ReadPaperSaving, {}}), shown);
  applySettingItemsAnswer(answerPayload(printer, {FramedCode::ReadSettingItems, {}}), shown);
  applyBlackMarkAnswer(answerPayload(printer, {FramedCode::ReadBlackMark, {}}), shown);
  return shown;
}

NetworkSettings readNetwork(SimulatedPrinter& printer) {
  NetworkSettings shown;
  applyInterfaceAnswer(answerPayload(printer, readInterfaceRequest(NetworkInterface::Ethernet)),
                       shown);
  applyInterfaceAnswer(answerPayload(printer, readInterfaceRequest(NetworkInterface::Wifi)), shown);
  applyWifiSettingsAnswer(answerPayload(printer, {FramedCode::ReadWifiSettings, {0x01}}), shown);
  applyBluetoothSettingsAnswer(answerPayload(printer, {FramedCode::ReadBluetoothSettings, {}}),
                               shown);
  applyBluetoothAddressAnswer(answerPayload(printer, {FramedCode::ReadBluetoothAddress, {}}),
                              shown);
  return shown;
}

void send(SimulatedPrinter& printer, const std::vector<FramedRequest>& requests) {
  for (const FramedRequest& request : requests) {
    printer.feed(buildFrame(printer.linkKind(), request));
  }
}

struct IdentityCase {
  FramedCode code;
  std::string Q470Identity::*field;
};

class Q470IdentityAnswers : public testing::TestWithParam<IdentityCase> {};

TEST_P(Q470IdentityAnswers, AnswersItsTextFromTheOptions) {
  SimOptions options = q470Options();
  options.q470.identity = {"Q470-X", "V2.10 USSB", "FONT 9", "SN-42"};
  SimulatedPrinter printer(options);
  const auto payload = answerPayload(printer, {GetParam().code, {}});
  EXPECT_EQ(decodeInformationText(payload), options.q470.identity.*GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Q470IdentityAnswers,
    testing::Values(IdentityCase{FramedCode::ReadModelName, &Q470Identity::modelName},
                    IdentityCase{FramedCode::ReadFirmwareVersion, &Q470Identity::firmwareVersion},
                    IdentityCase{FramedCode::ReadFontVersion, &Q470Identity::fontVersion},
                    IdentityCase{FramedCode::ReadSerialNumber, &Q470Identity::serialNumber}),
    [](const auto& info) { return std::string(framedCodeName(info.param.code)); });

TEST(Q470Printer, AnswerLinkByteFollowsTheLinkKind) {
  for (const auto& [link, byte] :
       {std::pair{LinkKind::SerialEmulate, 0x02}, std::pair{LinkKind::ActualUsb, 0x01}}) {
    SimulatedPrinter printer(q470Options(link));
    const auto messages = ask(printer, {FramedCode::ReadModelName, {}});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].bytes[4], byte);
    EXPECT_EQ(messages[0].bytes,
              buildFrame(link, FramedCode::ReadModelName, informationTextPayload("Q470")));
  }
}

TEST(Q470Printer, ReadsAnswerTheStateOfTheOptions) {
  SimOptions options = q470Options();
  options.q470.printSettings = test::everyValueAtItsLimit();
  options.q470.network.wifi.ssid = "Shop";
  options.q470.addresses.bluetoothAddress = {1, 2, 3, 4, 5, 6};
  SimulatedPrinter printer(options);
  EXPECT_EQ(keptByPrinter(readPrintSettings(printer)), keptByPrinter(options.q470.printSettings));
  const NetworkSettings network = readNetwork(printer);
  EXPECT_EQ(network, printer.q470().network);
  EXPECT_EQ(network.wifi.ssid, "Shop");
  EXPECT_EQ(network.bluetooth.address, "01-02-03-04-05-06");
}

class PrintSettingsWriteRead : public testing::TestWithParam<PrintSettings> {};

TEST_P(PrintSettingsWriteRead, ReadGivesBackWhatWasWritten) {
  SimulatedPrinter printer(q470Options());
  send(printer, printSettingsWriteRequests(GetParam()).requests);
  EXPECT_EQ(keptByPrinter(readPrintSettings(printer)), keptByPrinter(GetParam()));
}

PrintSettings blackMarkOffAfterChanges() {
  PrintSettings s = test::everyValueAtItsLimit();
  s.blackMarkMode = 0;
  // "01 00" carries no distances: the printer keeps those it had.
  const PrintSettings start;
  s.blackMarkLengthMm = start.blackMarkLengthMm;
  s.blackMarkWidthMm = start.blackMarkWidthMm;
  s.printAfterBlackMark = start.printAfterBlackMark;
  s.cutAfterBlackMark = start.cutAfterBlackMark;
  s.bmValue = start.bmValue;
  return s;
}

INSTANTIATE_TEST_SUITE_P(Values, PrintSettingsWriteRead,
                         testing::Values(PrintSettings{}, test::everyValueAtItsLimit(),
                                         blackMarkOffAfterChanges()));

TEST(Q470Printer, IgnoresWrittenValuesItHasNoItemFor) {
  SimulatedPrinter printer(q470Options());
  const PrintSettings before = printer.q470().printSettings;
  send(printer, {{FramedCode::WriteBaudRate, {9}},
                 {FramedCode::WritePrintDensity, {'8'}},
                 {FramedCode::WritePaperWidth, {'x'}},
                 {FramedCode::WriteCodePage, {8, 0}},
                 {FramedCode::WriteFontLanguage, {0x10}}});
  EXPECT_EQ(printer.q470().printSettings, before);
}

TEST(Q470Printer, NetworkWriteReadGivesBackWhatWasWritten) {
  SimulatedPrinter printer(q470Options());
  NetworkSettings target = printer.q470().network;
  target.ethernet = {1, ipv4(10, 1, 2, 3), ipv4(10, 1, 2, 1), ipv4(255, 255, 0, 0),
                     target.ethernet.macAddress};
  target.localPort = 9101;
  target.wifi.ip.dhcpMode = 1;
  target.wifi.ip.address = ipv4(172, 20, 0, 9);
  target.wifi.mode = 1;
  target.wifi.securityProtocol = 0;
  target.wifi.encryption = 1;
  target.wifi.ssid = "Back office";
  target.wifi.password = "correct horse";
  target.bluetooth.deviceName = "Till 2";
  target.bluetooth.pinCode = "4321";
  send(printer, networkWriteRequests("USEW", target));
  send(printer, {bluetoothSettingsWrite(target)});
  EXPECT_EQ(printer.q470().network, target);
  NetworkSettings shown = readNetwork(printer);
  shown.localPort = target.localPort;  // answers do not carry it
  EXPECT_EQ(shown, target);
}

struct AcknowledgementCase {
  FramedCode code;
  bool acknowledged;
};

class WriteAcknowledgements : public testing::TestWithParam<AcknowledgementCase> {};

TEST_P(WriteAcknowledgements, FollowTheCatalogue) {
  SimulatedPrinter printer(q470Options());
  const PrintSettingsWrite write = printSettingsWriteRequests(PrintSettings{});
  std::vector<FramedRequest> all = write.requests;
  const NetworkSettings network;
  all.push_back(ethernetInterfaceWrite(network));
  all.push_back(wifiSettingsWrite(network));
  all.push_back(bluetoothSettingsWrite(network));
  all.push_back(printSettingPageRequest());
  const auto request = std::find_if(
      all.begin(), all.end(), [](const FramedRequest& r) { return r.code == GetParam().code; });
  ASSERT_NE(request, all.end());
  const auto messages = ask(printer, *request);
  if (!GetParam().acknowledged) {
    EXPECT_TRUE(messages.empty());
    return;
  }
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].bytes, buildFrame(LinkKind::SerialEmulate, GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, WriteAcknowledgements,
    testing::Values(AcknowledgementCase{FramedCode::WriteCodePage, true},
                    AcknowledgementCase{FramedCode::WritePrintDensity, true},
                    AcknowledgementCase{FramedCode::WritePrintSpeed, true},
                    AcknowledgementCase{FramedCode::WriteBaudRate, true},
                    AcknowledgementCase{FramedCode::WriteParity, true},
                    AcknowledgementCase{FramedCode::WriteHandshaking, true},
                    AcknowledgementCase{FramedCode::WritePaperWidth, true},
                    AcknowledgementCase{FramedCode::WriteColumns, true},
                    AcknowledgementCase{FramedCode::WriteInterface, true},
                    AcknowledgementCase{FramedCode::WriteSettingItems, true},
                    AcknowledgementCase{FramedCode::WriteCharacterSet, true},
                    AcknowledgementCase{FramedCode::WriteBluetoothSettings, true},
                    AcknowledgementCase{FramedCode::WriteWifiSettings, false},
                    AcknowledgementCase{FramedCode::WriteCodePageType, false},
                    AcknowledgementCase{FramedCode::WriteBlackMark, false},
                    AcknowledgementCase{FramedCode::WritePaperSaving, false},
                    AcknowledgementCase{FramedCode::PrintSettingPage, false},
                    AcknowledgementCase{FramedCode::WriteFontLanguage, false}),
    [](const auto& info) { return std::string(framedCodeName(info.param.code)); });

TEST(Q470Printer, UnknownCodeGetsNoAnswer) {
  SimulatedPrinter printer(q470Options());
  EXPECT_TRUE(ask(printer, {FramedCode{0x0199}, {}}).empty());
  EXPECT_EQ(printer.events().back(), (SimEvent{SimEventKind::Request, "Unknown code 409"}));
}

TEST(Q470Printer, PrintsTheSettingPageAndPrintData) {
  SimulatedPrinter printer(q470Options());
  printer.feed(buildFrame(LinkKind::SerialEmulate, printSettingPageRequest()));
  EXPECT_TRUE(printer.feed(asciiTestLine()).empty());
  const std::vector<std::uint8_t> line(asciiTestLine().begin(), asciiTestLine().end());
  EXPECT_EQ(printer.printedOutput(), line);
  EXPECT_EQ(
      printer.events(),
      (std::vector<SimEvent>{{SimEventKind::Request, "PrintSettingPage"},
                             {SimEventKind::SettingPagePrinted, ""},
                             {SimEventKind::DataPrinted, std::string(line.begin(), line.end())}}));
}

TEST(Q470Printer, IgnoresLegacyPackets) {
  SimulatedPrinter printer(q470Options());
  const std::vector<std::uint8_t> information{0x01, 0x02, 0x01, 0x00, 0x49, 0x00, 0x03, 0x04};
  EXPECT_TRUE(printer.feed(information).empty());
}

}  // namespace
}  // namespace z3mq
