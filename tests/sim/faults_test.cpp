#include <gtest/gtest.h>

#include "framed/codec/frame.h"
#include "legacy/codec/requests.h"
#include "sim/host_side.h"
#include "sim/simulated_printer.h"

namespace z3mq {
namespace {

using namespace std::chrono_literals;
using test::joined;
using test::messagesOf;

const std::vector<std::uint8_t> kReadModelName =
    buildFrame(LinkKind::SerialEmulate, FramedCode::ReadModelName);
const std::vector<std::uint8_t> kReadSerialNumber =
    buildFrame(LinkKind::SerialEmulate, FramedCode::ReadSerialNumber);

template <typename Set>
SimulatedPrinter q470With(Set set) {
  SimOptions options;
  set(options.faults);
  return SimulatedPrinter(options);
}

std::vector<std::uint8_t> concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
  std::vector<std::uint8_t> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

TEST(Faults, MuteAllAnswersNothingButStillHandles) {
  SimulatedPrinter printer = q470With([&](SimFaults& f) { f.muteAll = true; });
  EXPECT_TRUE(printer.feed(kReadModelName).empty());
  EXPECT_EQ(printer.events().back(),
            (SimEvent{SimEventKind::Request, "ReadModelName (no answer)"}));
}

TEST(Faults, MutedCodeSilencesOnlyThatCode) {
  SimulatedPrinter printer =
      q470With([&](SimFaults& f) { f.mutedCodes = {FramedCode::ReadModelName}; });
  EXPECT_TRUE(printer.feed(kReadModelName).empty());
  EXPECT_EQ(messagesOf(printer.feed(kReadSerialNumber)).size(), 1u);
}

TEST(Faults, MutedCommandSilencesOnlyThatLegacyRequest) {
  SimOptions options;
  options.family = PrinterFamily::Z3M;
  options.faults.mutedCommands = {LegacyRequestKind::MenuRead};
  SimulatedPrinter printer(options);
  EXPECT_TRUE(printer.feed(menuReadRequest().bytes).empty());
  EXPECT_EQ(messagesOf(printer.feed(informationRequest().bytes)).size(), 1u);
}

TEST(Faults, DelayedAnswerFallsDueOnThePrintersClock) {
  SimulatedPrinter printer = q470With([&](SimFaults& f) { f.answerDelay = 250ms; });
  printer.advanceTo(1000ms);
  EXPECT_TRUE(printer.feed(kReadModelName).empty());
  EXPECT_EQ(printer.nextDue(), 1250ms);
  EXPECT_TRUE(printer.advanceTo(1249ms).empty());
  const auto writes = printer.advanceTo(1250ms);
  EXPECT_EQ(messagesOf(writes).size(), 1u);
  EXPECT_EQ(printer.nextDue(), std::nullopt);
}

TEST(Faults, SplitCutsEachWriteIntoPiecesOfAtMostN) {
  SimulatedPrinter whole = q470With([](SimFaults&) {});
  const std::vector<std::uint8_t> answer = joined(whole.feed(kReadModelName));
  SimulatedPrinter printer = q470With([&](SimFaults& f) { f.splitSize = 5; });
  const auto writes = printer.feed(kReadModelName);
  EXPECT_EQ(writes.size(), (answer.size() + 4) / 5);
  for (const SimWrite& write : writes) EXPECT_LE(write.size(), 5u);
  EXPECT_EQ(joined(writes), answer);
  EXPECT_EQ(messagesOf(writes).size(), 1u);
}

TEST(Faults, CoalesceJoinsAnswersDueTogetherIntoOneWrite) {
  SimulatedPrinter printer = q470With([&](SimFaults& f) { f.coalesce = true; });
  const auto writes = printer.feed(concat({kReadModelName, kReadSerialNumber, kReadModelName}));
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(messagesOf(writes).size(), 3u);
}

TEST(Faults, GarbageGoesInFrontOfEveryMessageAndTheHostSkipsIt) {
  const std::vector<std::uint8_t> garbage{0x00, 0xEE, 0x55, 0x1B};
  SimulatedPrinter printer = q470With([&](SimFaults& f) { f.garbage = garbage; });
  const auto writes = printer.feed(concat({kReadModelName, kReadSerialNumber}));
  ASSERT_EQ(writes.size(), 2u);
  for (const SimWrite& write : writes) {
    EXPECT_TRUE(std::equal(garbage.begin(), garbage.end(), write.begin()));
  }
  const auto messages = messagesOf(writes);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(readFrame(messages[1].bytes)->code, FramedCode::ReadSerialNumber);
}

TEST(Faults, VanishesAfterKMessages) {
  SimulatedPrinter printer = q470With([&](SimFaults& f) { f.vanishAfter = 2; });
  EXPECT_EQ(messagesOf(printer.feed(kReadModelName)).size(), 1u);
  EXPECT_FALSE(printer.vanished());
  EXPECT_EQ(messagesOf(printer.feed(kReadModelName)).size(), 1u);
  EXPECT_TRUE(printer.vanished());
  EXPECT_EQ(printer.events().back().kind, SimEventKind::Vanished);
  EXPECT_TRUE(printer.feed(kReadModelName).empty());
  EXPECT_TRUE(printer.sendAuxReport({"1", "2", "3", "4"}).empty());
}

TEST(Faults, VanishingMidWriteDropsTheAnswersAfterTheKth) {
  SimulatedPrinter printer = q470With([&](SimFaults& f) { f.vanishAfter = 1; });
  const auto messages = messagesOf(printer.feed(concat({kReadModelName, kReadSerialNumber})));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(readFrame(messages[0].bytes)->code, FramedCode::ReadModelName);
}

TEST(Faults, VanishAfterZeroNeverAnswers) {
  SimulatedPrinter printer = q470With([&](SimFaults& f) { f.vanishAfter = 0; });
  EXPECT_TRUE(printer.vanished());
  EXPECT_TRUE(printer.feed(kReadModelName).empty());
}

TEST(HostStream, RequestSplitIntoSingleBytesIsHandledOnce) {
  SimulatedPrinter printer = q470With([](SimFaults&) {});
  std::vector<SimWrite> writes;
  for (const std::uint8_t byte : kReadModelName) {
    for (SimWrite& w : printer.feed({&byte, 1})) writes.push_back(std::move(w));
  }
  EXPECT_EQ(messagesOf(writes).size(), 1u);
  EXPECT_TRUE(printer.printedOutput().empty());
}

TEST(HostStream, PrintDataBetweenRequestsIsPrintedInOrder) {
  SimulatedPrinter printer = q470With([](SimFaults&) {});
  const std::vector<std::uint8_t> text{'H', 'i', 0x1B, '\n'};
  const auto writes = printer.feed(concat({text, kReadModelName, text}));
  EXPECT_EQ(messagesOf(writes).size(), 1u);
  EXPECT_EQ(printer.printedOutput(), concat({text, text}));
  EXPECT_EQ(printer.events()[1], (SimEvent{SimEventKind::Request, "ReadModelName"}));
}

TEST(HostStream, AStartHeldAtTheEndOfAFeedIsNotPrintedYet) {
  SimulatedPrinter printer = q470With([](SimFaults&) {});
  const std::vector<std::uint8_t> head(kReadModelName.begin(), kReadModelName.begin() + 3);
  const std::vector<std::uint8_t> tail(kReadModelName.begin() + 3, kReadModelName.end());
  EXPECT_TRUE(printer.feed(concat({{'A'}, head})).empty());
  EXPECT_EQ(printer.printedOutput(), std::vector<std::uint8_t>{'A'});
  EXPECT_EQ(messagesOf(printer.feed(tail)).size(), 1u);
  EXPECT_EQ(printer.printedOutput(), std::vector<std::uint8_t>{'A'});
}

}  // namespace
}  // namespace z3mq
