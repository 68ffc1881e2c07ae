#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/dialog.h"

namespace z3mq {

struct LogColour {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// Text colours of the activity log by colour index.
inline constexpr std::array<LogColour, 4> kLogColours{{
    {255, 0, 0},    // 0: device arrivals and removals
    {0, 0, 255},    // 1: what the printer reported, maintenance actions
    {0, 150, 150},  // 2
    {150, 0, 150},  // 3
}};

// The main window's hidden rich-text log (control 1007): coloured pieces of text, each carrying
// its own line end. When asked, every piece is mirrored to stderr, which is the only place a
// person can read it.
class ActivityLog {
 public:
  ActivityLog(Dialog& mainWindow, bool mirrorToStderr);

  // A colour index outside the table is a programming error (std::out_of_range).
  void append(int colour, std::string_view text);
  const std::vector<ColouredText>& lines() const;

  // Whether the environment asks for the mirror: Z3MQ_LOG=1.
  static bool mirrorRequested();

 private:
  Dialog& mainWindow_;
  bool mirror_;
};

}  // namespace z3mq
