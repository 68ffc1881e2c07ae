#include "app/activity_log.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "app/main_window_controls.h"

namespace z3mq {

ActivityLog::ActivityLog(Dialog& mainWindow, bool mirrorToStderr)
    : mainWindow_(mainWindow), mirror_(mirrorToStderr) {}

void ActivityLog::append(int colour, std::string_view text) {
  if (colour < 0 || static_cast<std::size_t>(colour) >= kLogColours.size()) {
    throw std::out_of_range("log colour " + std::to_string(colour));
  }
  mainWindow_.appendRichText(main_window::kActivityLog, colour, text);
  if (!mirror_) return;
  // One line per piece, whether or not the piece ends its line itself.
  if (text.ends_with('\n')) text.remove_suffix(1);
  std::fprintf(stderr, "z3mq[log %d] %.*s\n", colour, static_cast<int>(text.size()), text.data());
}

const std::vector<ColouredText>& ActivityLog::lines() const {
  return mainWindow_.richText(main_window::kActivityLog);
}

bool ActivityLog::mirrorRequested() {
  const char* value = std::getenv("Z3MQ_LOG");
  return value != nullptr && std::string_view(value) == "1";
}

}  // namespace z3mq
