#include "cli/settings_file.h"

#include <fstream>

#include "cli/cli_error.h"

namespace z3mq {

std::string_view familyKey(PrinterFamily family) {
  switch (family) {
    case PrinterFamily::Q470:
      return "q470";
    case PrinterFamily::Z3M:
      return "z3m";
    case PrinterFamily::None:
      break;
  }
  return "";
}

PrinterFamily familyOfKey(std::string_view key) {
  if (key == familyKey(PrinterFamily::Q470)) return PrinterFamily::Q470;
  if (key == familyKey(PrinterFamily::Z3M)) return PrinterFamily::Z3M;
  return PrinterFamily::None;
}

Json readSettingsFile(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw CliError(ExitCode::BadInput, path + ": cannot be read");
  Json document = Json::parse(file, nullptr, false);
  if (document.is_discarded()) {
    throw CliError(ExitCode::BadInput, path + ": not a JSON document");
  }
  if (!document.is_object()) {
    throw CliError(ExitCode::BadInput, path + ": expected a settings object from \"z3mq read\"");
  }
  return document;
}

PrinterFamily documentFamily(const Json& document) {
  const auto family = document.find("family");
  const PrinterFamily named = family != document.end() && family->is_string()
                                  ? familyOfKey(family->get<std::string>())
                                  : PrinterFamily::None;
  if (named == PrinterFamily::None) {
    throw CliError(ExitCode::BadInput, "family: expected \"q470\" or \"z3m\"");
  }
  return named;
}

void requireSameFamily(PrinterFamily documentFamily, PrinterFamily printerFamily) {
  if (documentFamily == printerFamily) return;
  throw CliError(ExitCode::BadInput, "family: the settings are for a " +
                                         std::string(familyKey(documentFamily)) +
                                         " printer, this printer is a " +
                                         std::string(familyKey(printerFamily)) + " printer");
}

}  // namespace z3mq
