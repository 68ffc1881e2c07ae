#pragma once

#include <functional>
#include <string_view>

namespace z3mq {

class Dialog;
class Link;
class MessageBoxService;
struct SearchFields;

// What family Z3M uses of the window that hosts it. Everything runs on the UI thread.
struct Z3MShell {
  Link& link;
  SearchFields& search;  // identityReceived
  Dialog& mainWindow;    // the information panel labels
  MessageBoxService& messageBoxes;
  // Appends to the activity log in a log colour; the text carries its own line end.
  std::function<void(int colour, std::string_view text)> log;
  // The main window's READ, which acts on the session's family.
  std::function<void()> runRead;
};

// The colour of every line the family writes to the activity log (blue).
inline constexpr int kZ3MLogColour = 1;
// The colour of our own notes about what was sent in place of a missing value (teal).
inline constexpr int kZ3MNoteColour = 2;

}  // namespace z3mq
