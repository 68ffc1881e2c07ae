#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_error.h"
#include "cli/json_fields.h"
#include "cli/printer_channel.h"
#include "cli/q470_document.h"
#include "legacy/codec/menu_block.h"

namespace z3mq {

// What a command did on one printer: lines for a person and the same as JSON for a script.
struct Outcome {
  std::vector<std::string> lines;
  Json json;
};

// One command on one open printer of the session's family. Failures throw CliError.
using PrinterCommand = std::function<Outcome(PrinterChannel&)>;

// Where `read` puts the documents: stdout, one file, or one file per printer in a directory.
struct ReadDestination {
  enum class Kind { Stdout, File, Directory } kind = Kind::Stdout;
  std::string path;
};

// A settings document checked for its family's fields before any printer is opened.
struct SettingsToWrite {
  PrinterFamily family = PrinterFamily::None;
  Q470Document q470;
  MenuSelections z3m;
};
// Throws CliError(BadInput) naming the first field that cannot be written.
SettingsToWrite settingsToWrite(const Json& document);

PrinterCommand infoCommand(std::chrono::milliseconds timeout);
PrinterCommand readCommand(std::chrono::milliseconds timeout, ReadDestination destination);
PrinterCommand writeCommand(std::chrono::milliseconds timeout, SettingsToWrite settings);
PrinterCommand printSettingPageCommand();
PrinterCommand printAsciiCommand();

}  // namespace z3mq
