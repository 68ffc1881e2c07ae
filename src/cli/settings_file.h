#pragma once

#include <string>
#include <string_view>

#include "cli/json_fields.h"
#include "link/printer_models.h"

namespace z3mq {

// "q470" or "z3m", as documents and options name the families; "" for None.
std::string_view familyKey(PrinterFamily family);
// PrinterFamily::None for any other text.
PrinterFamily familyOfKey(std::string_view key);

// Reads a settings file. Throws CliError(BadInput) when it cannot be read or is not one JSON
// object.
Json readSettingsFile(const std::string& path);

// The family a document's "family" names; throws CliError(BadInput) for none.
PrinterFamily documentFamily(const Json& document);

// Checks that the settings are for the printer's family before anything is sent.
void requireSameFamily(PrinterFamily documentFamily, PrinterFamily printerFamily);

}  // namespace z3mq
