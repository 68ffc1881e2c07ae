#include "thread_activity.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace z3mq {
namespace {

std::optional<long long> valueAfter(std::string_view line, std::string_view key) {
  if (!line.starts_with(key)) return std::nullopt;
  line.remove_prefix(key.size());
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (error != std::errc{}) return std::nullopt;
  return value;
}

}  // namespace

std::set<pid_t> threadIds() {
  std::set<pid_t> ids;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/task")) {
    ids.insert(static_cast<pid_t>(std::stol(entry.path().filename().string())));
  }
  return ids;
}

std::optional<long long> contextSwitches(pid_t tid) {
  std::ifstream status("/proc/self/task/" + std::to_string(tid) + "/status");
  std::optional<long long> voluntary;
  std::optional<long long> involuntary;
  for (std::string line; std::getline(status, line);) {
    if (auto value = valueAfter(line, "voluntary_ctxt_switches:")) voluntary = value;
    if (auto value = valueAfter(line, "nonvoluntary_ctxt_switches:")) involuntary = value;
  }
  if (!voluntary || !involuntary) return std::nullopt;
  return *voluntary + *involuntary;
}

}  // namespace z3mq
