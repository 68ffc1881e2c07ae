#pragma once

#include <string_view>

namespace z3mq {

// What the Q470 pages and answer handler need of the main window and its page host.
class Q470Window {
 public:
  virtual ~Q470Window() = default;

  // The page host's current tab item (0 printing settings, 1 network), -1 when there is none.
  virtual int currentTabItem() const = 0;
  // Removes tab item 1 ('Ethernet / Wireless') when there is one, then hides and at once shows the
  // printing settings page.
  virtual void dropNetworkTab() = 0;
  // Replaces the text of a label of the information panel (1242, 1243, 1303, 1307).
  virtual void setInformationLabel(int labelId, std::string_view text) = 0;
  // Appends a line (ending in a line feed) to the activity log in log colour 0 to 3.
  virtual void appendLog(int colour, std::string_view text) = 0;
};

}  // namespace z3mq
