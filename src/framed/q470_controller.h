#pragma once

#include <cstdint>
#include <span>

#include "framed/framed_answer_handler.h"
#include "framed/network_page.h"
#include "framed/print_settings_page.h"
#include "framed/q470_window.h"
#include "link/link.h"
#include "ui/message_box_service.h"

namespace z3mq {

// Everything of family Q470 that the main window drives: its two pages, READ, WRITE and the
// handling of framed answers. Runs on the UI thread.
class Q470Controller {
 public:
  Q470Controller(Link& link, Q470Window& window, MessageBoxService& messageBoxes);
  Q470Controller(const Q470Controller&) = delete;
  Q470Controller& operator=(const Q470Controller&) = delete;

  PrintSettingsPage& printSettingsPage() { return printPage_; }
  NetworkPage& networkPage() { return networkPage_; }

  // READ: asks for the model name, which starts the read chain. Also the connect step's request.
  void read();

  // WRITE for the page host's current tab item: on tab 0 the Black Mark checks, then the
  // printing settings requests; on any other tab the text length checks, then the network
  // requests the capability code calls for. A failed check shows its message and sends nothing.
  void write(int currentTab);

  // One complete framed answer.
  void onFramedAnswer(std::span<const std::uint8_t> frame) { answers_.handle(frame); }

  // Tab item 1 became current: enable the network groups and ask for their settings.
  void applyNetworkCapability() { networkPage_.applyNetworkCapability(); }

 private:
  void writePrintSettings();
  void writeNetworkSettings();

  Link& link_;
  Q470Window& window_;
  MessageBoxService& messageBoxes_;
  PrintSettingsPage printPage_;
  NetworkPage networkPage_;
  FramedAnswerHandler answers_;
};

}  // namespace z3mq
