#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "cli/printer_channel.h"
#include "cli/q470_document.h"
#include "framed/codec/frame.h"

namespace z3mq {

// The operations of the window on a Q470 printer, one request after the answer to the one before
// as the read chain goes, each answer awaited for at most `timeout`. A printer that stays silent
// ends the operation with CliError(NoAnswer).
class Q470Session {
 public:
  Q470Session(PrinterChannel& channel, std::chrono::milliseconds timeout)
      : channel_(channel), timeout_(timeout) {}

  // Model name, firmware, font version and serial number: the identity part of the read chain.
  Q470PrinterIdentity identify();

  // The whole read chain: identity, printing settings, then the network requests that the
  // capability code calls for, as the window reads with its network tab in view.
  Q470Document read();

  // The window's checks first (Black Mark ranges, then the text lengths; CliError(CheckFailed)
  // with the window's message), then the identity, so that the network part follows this
  // printer's capability code. Then the fourteen printing requests and the network requests,
  // all at once, and the acknowledgements the printer owes, collected for up to `timeout`.
  // Returns what was written, for the user.
  std::string write(const Q470Document& document);

  void printSettingPage();

 private:
  // Sends `first` and follows the chain until the answer to `last`, or to its end.
  void runChain(FramedRequest first, std::optional<FramedCode> last, Q470Document& document);
  void send(const FramedRequest& request);
  Message awaitAnswer(FramedCode code);
  void apply(const FrameView& answer, Q470Document& document);

  PrinterChannel& channel_;
  const std::chrono::milliseconds timeout_;
};

}  // namespace z3mq
