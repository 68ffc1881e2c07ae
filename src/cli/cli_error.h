#pragma once

#include <stdexcept>
#include <string>

namespace z3mq {

// The exit status of the client, one meaning each, so that scripts can tell the cases apart.
enum class ExitCode : int {
  Ok = 0,
  NoAnswer = 1,     // the printer did not answer in time, or refused
  BadInput = 2,     // wrong usage or a settings file that cannot be written
  CheckFailed = 3,  // a settings check of the window failed; nothing was sent
  NoPrinter = 4,    // no printer found, or it cannot be opened
};

// Ends the operation on one printer with its exit code and a message for stderr.
class CliError : public std::runtime_error {
 public:
  CliError(ExitCode code, const std::string& message) : std::runtime_error(message), code_(code) {}
  ExitCode code() const { return code_; }

 private:
  ExitCode code_;
};

}  // namespace z3mq
