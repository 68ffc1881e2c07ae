#pragma once

#include "cli/json_fields.h"
#include "legacy/codec/information.h"
#include "legacy/codec/menu_block.h"

namespace z3mq {

// A Z3M settings document: the identity and the selections of the menu page.
struct Z3mDocument {
  PrinterInformation identity;
  MenuSelections menu;
};

Json z3mIdentityJson(const PrinterInformation& identity);

// {"family": "z3m", "identity": ..., "menu": {"Byte 0": {"Codepage": "Page 0 PC437"}, ...,
// "Byte 8": {"1080": false, ...}}}: each list under its menu byte and label, check boxes by id.
Json z3mDocumentJson(const Z3mDocument& document);

// Reads the menu of a document that z3mDocumentJson produced; every list needs one of its items.
// Throws CliError(BadInput) naming the first bad field.
MenuSelections z3mMenuFromJson(const Json& document);

}  // namespace z3mq
