#pragma once

#include <cstdint>
#include <span>

#include "framed/network_page.h"
#include "framed/print_settings_page.h"
#include "framed/q470_window.h"
#include "link/link.h"

namespace z3mq {

// Handles each complete framed answer of a Q470 printer, on the UI thread: identity texts into
// the information panel, the capability code from the firmware text, printing and network
// settings into the pages, and the next request of the read chain. Acknowledgements and unknown
// codes change nothing; nothing is ever reported.
class FramedAnswerHandler {
 public:
  FramedAnswerHandler(Link& link, Q470Window& window, PrintSettingsPage& printPage,
                      NetworkPage& networkPage)
      : link_(link), window_(window), printPage_(printPage), networkPage_(networkPage) {}

  void handle(std::span<const std::uint8_t> frame);

 private:
  void identityAnswer(FramedCode code, std::span<const std::uint8_t> payload);

  Link& link_;
  Q470Window& window_;
  PrintSettingsPage& printPage_;
  NetworkPage& networkPage_;
};

}  // namespace z3mq
