#include "link/stream_framer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace z3mq {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes slice(const Bytes& bytes, std::size_t from, std::size_t to) {
  return Bytes(bytes.begin() + from, bytes.begin() + to);
}

// 01 02, N, the command, the body, 03 04; N counts the body.
Bytes legacy(std::uint8_t command, const Bytes& body) {
  const auto n = static_cast<std::uint16_t>(body.size());
  return cat(
      {{0x01, 0x02, static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), command},
       body,
       {0x03, 0x04}});
}

// A framed answer; the checksum is never examined, so it is a fixed filler here.
Bytes framed(const Bytes& payload, std::uint8_t linkKind = 0x02, std::uint16_t lengthHigh = 0) {
  const auto n = static_cast<std::uint16_t>(payload.size());
  return cat({{0x1B, 0x1B, 0x45, 0x02, linkKind, 0x01, 0x03, static_cast<std::uint8_t>(n),
               static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(lengthHigh),
               static_cast<std::uint8_t>(lengthHigh >> 8), 0xAB, 0xCD},
              payload});
}

Bytes aux(const std::string& text) {
  return cat({{0x37, 0x59}, Bytes(text.begin(), text.end()), {0x00}});
}

// A framed header announcing a payload of n bytes, without the payload.
Bytes framedHeader(std::uint16_t n) {
  return slice(framed(Bytes(n, 0xAA)), 0, 13);
}

struct Delivery {
  std::size_t afterRead;
  MessageKind kind;
  Bytes bytes;
  bool operator==(const Delivery&) const = default;
};

void PrintTo(const Delivery& d, std::ostream* os) {
  *os << "{read " << d.afterRead << ", kind " << static_cast<int>(d.kind) << ", " << d.bytes.size()
      << " bytes}";
}

std::vector<Delivery> feedAll(StreamFramer& framer, const std::vector<Bytes>& reads) {
  std::vector<Delivery> delivered;
  for (std::size_t i = 0; i < reads.size(); ++i) {
    for (Message& m : framer.feed(reads[i])) {
      delivered.push_back({i, m.kind, std::move(m.bytes)});
    }
  }
  return delivered;
}

struct FramerCase {
  std::string name;
  std::vector<Bytes> reads;
  std::vector<Delivery> expected;
};

void PrintTo(const FramerCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<FramerCase> framerCases() {
  const Bytes info = legacy(0x69, {0x00, 0x05, 'Z', '3', 'M', '-', 'P'});
  const Bytes menuRead = legacy(0x49, {0xFF});
  const Bytes menuResponse =
      legacy(0x69, {0xFF, 0x09, 0x10, 0x00, 0x03, 0x04, 0x00, 0x46, 0x61, 0x00, 0x03});
  const Bytes answer = framed({0x05, 'Q', '4', '7', '0', 'X'});
  const Bytes next = framed({0x01, 0x02, 0x03});
  const Bytes withLegacyStart = framed({0x10, 0x20, 0x01, 0x02, 0x30, 0x03, 0x04});
  const Bytes withAuxStart = framed({0x10, 0x37, 0x59, 0x00, 0x20});
  const Bytes withFramedStart = framed({0x1B, 0x1B, 0x45, 0x02, 0x02, 0x01, 0x03, 0x00});
  const Bytes report =
      aux("12\x1F"
          "34\x1F"
          "1\x1F"
          "AE1");
  const Bytes wrongN = {0x01, 0x02, 0x01, 0x00, 0x69, 0xAA, 0xBB, 0x03, 0x04};
  const Bytes hugeN = {0x01, 0x02, 0xFF, 0xFF, 0x73, 0xFF, 0x06, 0x03, 0x04};
  const Bytes highLength = framed({0x07, 0x08, 0x09}, 0x01, 0x0102);
  const Bytes fullFrame = framed(Bytes(StreamFramer::kCapacity - 13, 0x55));
  return {
      {"LegacySplitOverThreeReads",
       {slice(info, 0, 3), slice(info, 3, 9), slice(info, 9, info.size())},
       {{2, MessageKind::Legacy, info}}},
      {"TwoLegacyPacketsInOneRead",
       {cat({info, menuRead})},
       {{0, MessageKind::Legacy, info}, {0, MessageKind::Legacy, menuRead}}},
      {"FramedAnswerThenStartOfNextInOneRead",
       {cat({answer, slice(next, 0, 6)}), slice(next, 6, next.size())},
       {{0, MessageKind::Framed, answer}, {1, MessageKind::Framed, next}}},
      {"LegacyStartInFramedPayloadAtReadBoundary",
       {slice(withLegacyStart, 0, 15), slice(withLegacyStart, 15, withLegacyStart.size())},
       {{1, MessageKind::Framed, withLegacyStart}}},
      {"AuxStartInFramedPayloadAtReadBoundary",
       {slice(withAuxStart, 0, 14), slice(withAuxStart, 14, withAuxStart.size())},
       {{1, MessageKind::Framed, withAuxStart}}},
      {"FramedStartInFramedPayloadAtReadBoundary",
       {slice(withFramedStart, 0, 13), slice(withFramedStart, 13, withFramedStart.size())},
       {{1, MessageKind::Framed, withFramedStart}}},
      {"GarbageBeforeStartSkipped",
       {cat({{0xAA, 0x01, 0x1B, 0x1B, 0x37, 0x00, 0x03, 0x04}, report})},
       {{0, MessageKind::AuxReport, report}}},
      {"FramedStartWithWrongByte3Or4IsSkipped",
       {cat({{0x1B, 0x1B, 0x45, 0x03, 0x1B, 0x1B, 0x45, 0x02, 0x07}, answer})},
       {{0, MessageKind::Framed, answer}}},
      {"CutFramedStartHidingALegacyStart",
       {cat({{0x1B, 0x1B, 0x45}, info})},
       {{0, MessageKind::Legacy, info}}},
      {"FramedStartSplitAfterFirstByte",
       {slice(answer, 0, 1), slice(answer, 1, answer.size())},
       {{1, MessageKind::Framed, answer}}},
      {"FramedHeaderSplitBeforeLengthHighByte",
       {slice(answer, 0, 8), slice(answer, 8, answer.size())},
       {{1, MessageKind::Framed, answer}}},
      {"LoneLegacyStartByteIsNotAStart", {{0x01}, report}, {{1, MessageKind::AuxReport, report}}},
      {"LegacyStartSplitAcrossReads",
       {{0x01}, slice(info, 1, info.size())},
       {{1, MessageKind::Legacy, info}}},
      {"MenuBlockContainingTrailerDeliveredWhole",
       {slice(menuResponse, 0, 11), slice(menuResponse, 11, menuResponse.size())},
       {{1, MessageKind::Legacy, menuResponse}}},
      {"LegacyWithTooSmallNCompletesAtTrailer",
       {wrongN, info},
       {{0, MessageKind::Legacy, wrongN}, {1, MessageKind::Legacy, info}}},
      {"LegacyWithNPastCapacityCompletesAtTrailer", {hugeN}, {{0, MessageKind::Legacy, hugeN}}},
      {"AuxReportEndArrivesLater",
       {slice(report, 0, 5), slice(report, 5, report.size() - 1), {0x00}},
       {{2, MessageKind::AuxReport, report}}},
      {"FramedCompletesAtLow16BitsOfLength",
       {cat({highLength, info})},
       {{0, MessageKind::Framed, highLength}, {0, MessageKind::Legacy, info}}},
      {"FramedOfExactlyCapacityDelivered", {fullFrame}, {{0, MessageKind::Framed, fullFrame}}},
      {"FramedPastCapacityDroppedThenRecovers",
       {framedHeader(StreamFramer::kCapacity - 12), Bytes(200, 0xAA), info},
       {{2, MessageKind::Legacy, info}}},
      {"LegacyPastCapacityDroppedThenRecovers",
       {{0x01, 0x02, 0x00, 0x00}, Bytes(StreamFramer::kCapacity, 0xAA), info},
       {{2, MessageKind::Legacy, info}}},
      {"AuxPastCapacityDroppedThenRecovers",
       {{0x37, 0x59}, Bytes(StreamFramer::kCapacity, 'A'), report},
       {{2, MessageKind::AuxReport, report}}},
  };
}

class StreamFramerCases : public ::testing::TestWithParam<FramerCase> {};

TEST_P(StreamFramerCases, DeliversEachMessageOnceAfterItsLastRead) {
  StreamFramer framer;
  EXPECT_EQ(feedAll(framer, GetParam().reads), GetParam().expected);
  EXPECT_FALSE(framer.gathering());
}

INSTANTIATE_TEST_SUITE_P(Reads, StreamFramerCases, ::testing::ValuesIn(framerCases()),
                         [](const auto& info) { return info.param.name; });

TEST(StreamFramer, ResetForgetsAPartialMessage) {
  const Bytes packet = legacy(0x73, {0xFF, 0x06});
  StreamFramer framer;
  EXPECT_TRUE(framer.feed(slice(packet, 0, 5)).empty());
  EXPECT_TRUE(framer.gathering());
  framer.reset();
  EXPECT_FALSE(framer.gathering());
  EXPECT_TRUE(framer.feed(slice(packet, 5, packet.size())).empty());
  EXPECT_EQ(feedAll(framer, {packet}), (std::vector<Delivery>{{0, MessageKind::Legacy, packet}}));
}

// Valid messages of every kind with garbage between them, cut at random read boundaries, come
// out exactly as they went in.
TEST(StreamFramer, RandomStreamsComeOutAsSent) {
  std::mt19937 rng(20240611);
  auto number = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  auto randomBytes = [&](int count, int low) {
    Bytes bytes(static_cast<std::size_t>(count));
    for (auto& b : bytes) b = static_cast<std::uint8_t>(number(low, 0xFF));
    return bytes;
  };
  // Garbage never holds a byte that could begin a start sequence.
  auto garbage = [&]() {
    Bytes bytes = randomBytes(number(0, 6), 0);
    for (auto& b : bytes) {
      if (b == 0x01 || b == 0x1B || b == 0x37) b = 0xEE;
    }
    return bytes;
  };

  std::vector<Message> sent;
  Bytes stream;
  for (int i = 0; i < 300; ++i) {
    const Bytes before = garbage();
    stream.insert(stream.end(), before.begin(), before.end());
    Message m;
    switch (number(0, 2)) {
      case 0:
        m = {MessageKind::Legacy, legacy(0x69, randomBytes(number(0, 40), 0))};
        break;
      case 1:
        m = {MessageKind::Framed,
             framed(randomBytes(number(0, 600), 0), static_cast<std::uint8_t>(number(1, 2)))};
        break;
      default:
        m = {MessageKind::AuxReport, cat({{0x37, 0x59}, randomBytes(number(0, 20), 1), {0x00}})};
        break;
    }
    stream.insert(stream.end(), m.bytes.begin(), m.bytes.end());
    sent.push_back(std::move(m));
  }

  StreamFramer framer;
  std::vector<Message> received;
  for (std::size_t at = 0; at < stream.size();) {
    const std::size_t n = std::min(stream.size() - at, static_cast<std::size_t>(number(1, 300)));
    for (Message& m : framer.feed(slice(stream, at, at + n))) received.push_back(std::move(m));
    at += n;
  }

  ASSERT_EQ(received.size(), sent.size());
  for (std::size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(received[i].kind, sent[i].kind) << "message " << i;
    EXPECT_EQ(received[i].bytes, sent[i].bytes) << "message " << i;
  }
}

}  // namespace
}  // namespace z3mq
