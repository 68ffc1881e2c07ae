// Feeds arbitrary bytes to the framer, cut into reads by the input's first bytes, and checks that
// every delivered message is complete by its kind's rule, fits the buffer, appears in the input
// in order, and that the cuts change nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "link/stream_framer.h"

namespace {

using z3mq::Message;
using z3mq::MessageKind;
using z3mq::StreamFramer;

void require(bool condition) {
  if (!condition) std::abort();
}

std::size_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] + 256u * b[at + 1];
}

void checkComplete(const Message& m) {
  const std::vector<std::uint8_t>& b = m.bytes;
  const std::size_t n = b.size();
  require(n <= StreamFramer::kCapacity);
  switch (m.kind) {
    case MessageKind::Legacy: {
      require(n >= 7 && b[0] == 0x01 && b[1] == 0x02 && b[n - 2] == 0x03 && b[n - 1] == 0x04);
      const std::size_t declared = le16(b, 2) + 7;
      require(declared > StreamFramer::kCapacity || n >= declared);
      break;
    }
    case MessageKind::Framed:
      require(n >= 13 && b[0] == 0x1B && b[1] == 0x1B && b[2] == 0x45 && b[3] == 0x02 &&
              (b[4] == 0x01 || b[4] == 0x02) && n == 13 + le16(b, 7));
      break;
    case MessageKind::AuxReport:
      require(n >= 3 && b[0] == 0x37 && b[1] == 0x59 && b[n - 1] == 0x00 &&
              std::find(b.begin() + 2, b.end() - 1, 0x00) == b.end() - 1);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // Byte 0: bits 0-2 say how many of the next bytes give read sizes, used in turn; bits 3-7
  // repeat the rest up to 32 times, so that messages can outgrow the buffer.
  const std::size_t cutCount = std::min<std::size_t>(data[0] & 0x07, size - 1);
  const std::span<const std::uint8_t> cuts(data + 1, cutCount);
  const std::span<const std::uint8_t> body(data + 1 + cutCount, size - 1 - cutCount);
  std::vector<std::uint8_t> stream;
  for (int i = 0; i <= (data[0] >> 3); ++i) stream.insert(stream.end(), body.begin(), body.end());

  StreamFramer chunked;
  std::vector<Message> fromChunks;
  for (std::size_t at = 0, read = 0; at < stream.size(); ++read) {
    const std::size_t want = cutCount == 0 ? stream.size() : cuts[read % cutCount] + 1u;
    const std::size_t n = std::min(want, stream.size() - at);
    for (Message& m : chunked.feed(std::span(stream).subspan(at, n))) {
      checkComplete(m);
      fromChunks.push_back(std::move(m));
    }
    at += n;
  }

  std::size_t from = 0;
  for (const Message& m : fromChunks) {
    const auto found =
        std::search(stream.begin() + from, stream.end(), m.bytes.begin(), m.bytes.end());
    require(found != stream.end());
    from = static_cast<std::size_t>(found - stream.begin()) + m.bytes.size();
  }

  StreamFramer whole;
  const std::vector<Message> fromOneRead = whole.feed(stream);
  require(fromOneRead.size() == fromChunks.size());
  for (std::size_t i = 0; i < fromChunks.size(); ++i) {
    require(fromOneRead[i].kind == fromChunks[i].kind &&
            fromOneRead[i].bytes == fromChunks[i].bytes);
  }
  require(chunked.gathering() == whole.gathering());
  return 0;
}
