#pragma once

#include <chrono>
#include <cstdint>
#include <fstream>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

#include "link/message.h"

namespace z3mq {

// A transcript for support tickets: every request written and every message received, with the
// time, a name, its key fields and its bytes. Written from the main thread and the receive worker.
class Trace {
 public:
  // Throws CliError(BadInput) when the file cannot be created.
  explicit Trace(const std::string& path);

  void note(std::string_view text);
  void sent(std::span<const std::uint8_t> bytes);
  void received(const Message& message);

 private:
  void line(std::string_view direction, const std::string& description,
            std::span<const std::uint8_t> bytes);

  std::mutex mutex_;
  std::ofstream out_;
};

}  // namespace z3mq
