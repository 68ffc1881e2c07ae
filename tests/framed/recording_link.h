#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/link.h"

namespace z3mq::test {

// A link that records every write call, one entry each. Opens without discovery, for the printer
// its session is set up as.
class RecordingLink : public Link {
 public:
  explicit RecordingLink(LinkKind kind = LinkKind::SerialEmulate) {
    session().linkKind = kind;
    session().family = PrinterFamily::Q470;
  }

  int open() override {
    session().opened = 1;
    return 1;
  }
  int close() override {
    const bool wasOpen = session().opened == 1;
    session().opened = 0;
    return wasOpen ? 0 : 1;
  }
  bool portValid() const override { return session().opened == 1; }
  void write(std::span<const std::uint8_t> bytes) override {
    if (portValid()) writes_.emplace_back(bytes.begin(), bytes.end());
  }

  const std::vector<std::vector<std::uint8_t>>& writes() const { return writes_; }
  void clearWrites() { writes_.clear(); }

 private:
  std::vector<std::vector<std::uint8_t>> writes_;
};

}  // namespace z3mq::test
