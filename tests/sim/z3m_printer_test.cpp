#include <gtest/gtest.h>

#include "codec/text.h"
#include "legacy/codec/requests.h"
#include "legacy/codec/response.h"
#include "sim/host_side.h"
#include "sim/simulated_printer.h"

namespace z3mq {
namespace {

using test::messagesOf;

SimOptions z3mOptions() {
  SimOptions options;
  options.family = PrinterFamily::Z3M;
  return options;
}

// The single packet a request is answered with.
std::vector<std::uint8_t> answerTo(SimulatedPrinter& printer, const LegacyRequest& request) {
  const auto messages = messagesOf(printer.feed(request.bytes));
  if (messages.size() != 1) {
    ADD_FAILURE() << "answers: " << messages.size();
    return {};
  }
  return messages[0].bytes;
}

TEST(Z3mPrinter, InformationRequestAnswersTheIdentityOfTheOptions) {
  SimOptions options = z3mOptions();
  options.z3m.identity.modelName = "Z3M-Q";
  options.z3m.identity.serialNumber = "S-1";
  SimulatedPrinter printer(options);
  EXPECT_EQ(readInformationResponse(answerTo(printer, informationRequest())), options.z3m.identity);
}

TEST(Z3mPrinter, MenuWriteIsAcknowledgedAndReadBack) {
  SimulatedPrinter printer(z3mOptions());
  EXPECT_EQ(menuBlockOfResponse(answerTo(printer, menuReadRequest())), kDefaultMenuBlock);

  MenuSelections wanted = defaultMenuSelections();
  wanted.selection(1182) = 13;  // Korea
  wanted.selection(1188) = 6;
  wanted.checked(1087) = true;
  const MenuBlock written = encodeMenuBlock(wanted).block;
  EXPECT_EQ(classifyLegacyResponse(answerTo(printer, menuWriteRequest(written))),
            LegacyResponseKind::WriteAcknowledged);
  EXPECT_EQ(printer.z3m().menu, written);
  EXPECT_EQ(decodeMenuBlock(menuBlockOfResponse(answerTo(printer, menuReadRequest()))), wanted);
}

TEST(Z3mPrinter, RefusesMenuWritesWhenToldAndKeepsItsMenu) {
  SimOptions options = z3mOptions();
  options.faults.refuseWrites = true;
  SimulatedPrinter printer(options);
  const MenuBlock other{1, 2, 3, 4, 5, 6, 7, 0, 0};
  EXPECT_EQ(classifyLegacyResponse(answerTo(printer, menuWriteRequest(other))),
            LegacyResponseKind::WriteRefused);
  EXPECT_EQ(printer.z3m().menu, kDefaultMenuBlock);
}

TEST(Z3mPrinter, RefusesAMenuWriteWithoutNineBytes) {
  SimulatedPrinter printer(z3mOptions());
  const std::vector<std::uint8_t> shortWrite{0x01, 0x02, 0x04, 0x00, 0x53, 0xFF,
                                             0x02, 0xAA, 0xBB, 0x03, 0x04};
  const auto messages = messagesOf(printer.feed(shortWrite));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(classifyLegacyResponse(messages[0].bytes), LegacyResponseKind::WriteRefused);
  EXPECT_EQ(printer.z3m().menu, kDefaultMenuBlock);
}

TEST(Z3mPrinter, SettingPageResetAndPrintDataAreLoggedWithoutAnswer) {
  SimulatedPrinter printer(z3mOptions());
  EXPECT_TRUE(printer.feed(settingPageRequest().bytes).empty());
  EXPECT_TRUE(printer.feed(resetRequest().bytes).empty());
  EXPECT_TRUE(printer.feed(asciiTestLine()).empty());
  const std::string line(asciiTestLine().begin(), asciiTestLine().end());
  EXPECT_EQ(printer.events(), (std::vector<SimEvent>{
                                  {SimEventKind::Request, "setting page request"},
                                  {SimEventKind::SettingPagePrinted, ""},
                                  {SimEventKind::Request, "reset request"},
                                  {SimEventKind::PrinterReset, ""},
                                  {SimEventKind::DataPrinted, line},
                              }));
}

TEST(Z3mPrinter, SendsReportsOnDemand) {
  SimulatedPrinter printer(z3mOptions());
  const auto presence = messagesOf(printer.sendPresence());
  const auto module = messagesOf(printer.sendModuleInformation());
  const auto ethernet = messagesOf(printer.sendEthernetInformation());
  const auto aux = messagesOf(printer.sendAuxReport({"12", "34", "A", "E1"}));
  ASSERT_EQ(presence.size() + module.size() + ethernet.size() + aux.size(), 4u);
  EXPECT_EQ(classifyLegacyResponse(presence[0].bytes), LegacyResponseKind::Presence);
  EXPECT_EQ(readModuleInformationResponse(module[0].bytes), printer.z3m().module);
  EXPECT_EQ(readEthernetInformationResponse(ethernet[0].bytes), printer.z3m().ethernet);
  EXPECT_EQ(aux[0].kind, MessageKind::AuxReport);
}

TEST(Z3mPrinter, IgnoresFramesAndUnknownPackets) {
  SimulatedPrinter printer(z3mOptions());
  const std::vector<std::uint8_t> readModelName{0x1B, 0x1B, 0x45, 0x02, 0x02, 0x01, 0x03,
                                                0x00, 0x00, 0x00, 0x00, 0x0D, 0xBF};
  const std::vector<std::uint8_t> unknown{0x01, 0x02, 0x01, 0x00, 0x49, 0x07, 0x03, 0x04};
  EXPECT_TRUE(printer.feed(readModelName).empty());
  EXPECT_TRUE(printer.feed(unknown).empty());
}

}  // namespace
}  // namespace z3mq
