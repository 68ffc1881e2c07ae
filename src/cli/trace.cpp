#include "cli/trace.h"

#include <cstdio>
#include <ctime>

#include "cli/cli_error.h"
#include "cli/message_description.h"

namespace z3mq {
namespace {

// Local wall-clock time with milliseconds: "2024-05-01 14:03:07.125".
std::string timestamp() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  std::snprintf(text + length, sizeof text - length, ".%03d", static_cast<int>(millis));
  return text;
}

}  // namespace

Trace::Trace(const std::string& path) : out_(path, std::ios::out | std::ios::trunc) {
  if (!out_) throw CliError(ExitCode::BadInput, path + ": cannot write the trace file");
}

void Trace::note(std::string_view text) {
  std::lock_guard lock(mutex_);
  out_ << timestamp() << "    " << text << '\n' << std::flush;
}

void Trace::sent(std::span<const std::uint8_t> bytes) {
  line("-->", describeSent(bytes), bytes);
}

void Trace::received(const Message& message) {
  line("<--", describeReceived(message), message.bytes);
}

void Trace::line(std::string_view direction, const std::string& description,
                 std::span<const std::uint8_t> bytes) {
  std::lock_guard lock(mutex_);
  out_ << timestamp() << ' ' << direction << ' ' << description << '\n'
       << "                            " << bytes.size() << " bytes: " << hexBytes(bytes) << '\n'
       << std::flush;
}

}  // namespace z3mq
