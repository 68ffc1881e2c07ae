#pragma once

#include <string>

#include "cli/json_fields.h"
#include "framed/codec/network_capability.h"
#include "framed/codec/network_settings.h"
#include "framed/codec/print_settings.h"

namespace z3mq {

// What a Q470 printer says about itself, as the information panel shows it.
struct Q470PrinterIdentity {
  std::string modelName;
  std::string firmwareVersion;
  std::string fontVersion;
  std::string serialNumber;
  std::string capabilityCode;  // the second word of the firmware text: "USEW", ...

  bool operator==(const Q470PrinterIdentity&) const = default;
};

// A Q470 settings document: identity, the printing page and the network groups it carries.
struct Q470Document {
  Q470PrinterIdentity identity;
  PrintSettings printing;
  NetworkSettings network;
  NetworkGroups networkGroups;
};

Json q470IdentityJson(const Q470PrinterIdentity& identity);

// {"family": "q470", "identity": ..., "printing": ..., "network": ...}: lists as the item texts
// of the pages, grouped and named as the pages show them.
Json q470DocumentJson(const Q470Document& document);

// Reads a document that q470DocumentJson produced. Every list needs one of its items, every
// written value its type; the identity and what the printer only reports (Auto Cut mode,
// hardware addresses) are not read. Throws CliError(BadInput) naming the first bad field.
Q470Document q470DocumentFromJson(const Json& document);

}  // namespace z3mq
