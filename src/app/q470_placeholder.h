#pragma once

#include <memory>
#include <optional>

#include "app/q470_family.h"
#include "ui/dialog.h"

namespace z3mq {

// Stands in for family Q470 until its pages and answer handler are plugged in: two empty pages
// under the right template ids, and operations that do nothing.
class Q470Placeholder : public Q470Family {
 public:
  void createPages(const Q470Shell& shell) override;
  Dialog& printingPage() override { return *printing_; }
  Dialog& networkPage() override { return *network_; }

  void read() override {}
  void write(int) override {}
  void onFramedAnswer(std::span<const std::uint8_t>) override {}
  void applyNetworkCapability() override {}

 private:
  std::optional<Dialog> printing_;
  std::optional<Dialog> network_;
};

}  // namespace z3mq
