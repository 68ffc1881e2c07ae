#include "cli/printer_commands.h"

#include <algorithm>
#include <fstream>

#include "cli/q470_session.h"
#include "cli/settings_file.h"
#include "cli/z3m_document.h"
#include "cli/z3m_session.h"
#include "codec/text.h"
#include "framed/codec/identity.h"

namespace z3mq {
namespace {

PrinterFamily familyOf(PrinterChannel& channel) {
  return channel.link().session().family;
}

// The information panel's lines for a Q470 printer.
std::vector<std::string> q470IdentityLines(const Q470PrinterIdentity& identity) {
  const auto label = [](FramedCode code, const std::string& text) {
    return identityLabel(*findIdentityAnswer(code), text);
  };
  return {label(FramedCode::ReadModelName, identity.modelName),
          label(FramedCode::ReadFirmwareVersion, identity.firmwareVersion),
          label(FramedCode::ReadFontVersion, identity.fontVersion),
          label(FramedCode::ReadSerialNumber, identity.serialNumber),
          "Capability code: " + identity.capabilityCode};
}

// The information panel's lines for a Z3M printer.
std::vector<std::string> z3mIdentityLines(const PrinterInformation& identity) {
  std::vector<std::string> lines{
      "Model Name: " + identity.modelName, "FW Version: " + identity.firmwareVersion,
      "Update date: " + identity.updateDate, "SN: " + identity.serialNumber,
      "Partition Info: " + identity.partition};
  if (identity.fontVersions) {
    const auto installed = [](const std::optional<std::string>& version) {
      return version.value_or("Not Installed");
    };
    lines.push_back("Font Version Single Byte: " + installed(identity.fontVersions->singleByte));
    lines.push_back("Double Byte: " + installed(identity.fontVersions->doubleByte));
  }
  return lines;
}

std::string serialNumberOf(const Json& document) {
  return document["identity"].value("serialNumber", "");
}

// A file name for the printer's document in a directory: its serial number when that is a
// plain name, else its device node's name.
std::string documentFileName(const Json& document, const std::string& devicePath) {
  std::string name = serialNumberOf(document);
  const bool plain = !name.empty() && name != "." && name != ".." &&
                     std::all_of(name.begin(), name.end(), [](unsigned char c) {
                       return std::isalnum(c) || c == '-' || c == '_' || c == '.';
                     });
  if (!plain) name = devicePath.substr(devicePath.find_last_of('/') + 1);
  return name + ".json";
}

void saveDocument(const Json& document, const std::string& path) {
  std::ofstream file(path, std::ios::out | std::ios::trunc);
  file << document.dump(2) << '\n';
  file.close();
  if (!file) throw CliError(ExitCode::BadInput, path + ": cannot write the settings file");
}

Outcome readOutcome(const Json& document, const ReadDestination& destination,
                    const std::string& devicePath) {
  if (destination.kind == ReadDestination::Kind::Stdout) return {{document.dump(2)}, document};
  const std::string path = destination.kind == ReadDestination::Kind::File
                               ? destination.path
                               : destination.path + "/" + documentFileName(document, devicePath);
  saveDocument(document, path);
  return {{"saved the settings to " + path}, Json{{"file", path}}};
}

Outcome sentOutcome(const std::string& what) {
  return {{"sent the " + what}, Json{{"sent", what}}};
}

}  // namespace

SettingsToWrite settingsToWrite(const Json& document) {
  SettingsToWrite settings;
  settings.family = documentFamily(document);
  if (settings.family == PrinterFamily::Q470) {
    settings.q470 = q470DocumentFromJson(document);
  } else {
    settings.z3m = z3mMenuFromJson(document);
  }
  return settings;
}

PrinterCommand infoCommand(std::chrono::milliseconds timeout) {
  return [timeout](PrinterChannel& channel) -> Outcome {
    if (familyOf(channel) == PrinterFamily::Q470) {
      const Q470PrinterIdentity identity = Q470Session(channel, timeout).identify();
      return {q470IdentityLines(identity), q470IdentityJson(identity)};
    }
    const PrinterInformation identity = Z3mSession(channel, timeout).identify();
    return {z3mIdentityLines(identity), z3mIdentityJson(identity)};
  };
}

PrinterCommand readCommand(std::chrono::milliseconds timeout, ReadDestination destination) {
  return [timeout, destination](PrinterChannel& channel) {
    const Json document = familyOf(channel) == PrinterFamily::Q470
                              ? q470DocumentJson(Q470Session(channel, timeout).read())
                              : z3mDocumentJson(Z3mSession(channel, timeout).read());
    return readOutcome(document, destination, channel.link().session().devicePath);
  };
}

PrinterCommand writeCommand(std::chrono::milliseconds timeout, SettingsToWrite settings) {
  return [timeout, settings](PrinterChannel& channel) -> Outcome {
    const PrinterFamily family = familyOf(channel);
    requireSameFamily(settings.family, family);
    std::vector<std::string> lines =
        family == PrinterFamily::Q470
            ? std::vector<std::string>{Q470Session(channel, timeout).write(settings.q470)}
            : Z3mSession(channel, timeout).write(settings.z3m);
    Json json{{"written", true}, {"messages", lines}};
    return {std::move(lines), std::move(json)};
  };
}

PrinterCommand printSettingPageCommand() {
  return [](PrinterChannel& channel) {
    if (familyOf(channel) == PrinterFamily::Q470) {
      Q470Session(channel, {}).printSettingPage();
    } else {
      Z3mSession(channel, {}).printSettingPage();
    }
    return sentOutcome("setting page request");
  };
}

PrinterCommand printAsciiCommand() {
  return [](PrinterChannel& channel) {
    // Both families print the same line, outside any message.
    channel.send(asciiTestLine(), false);
    return sentOutcome("ASCII test line");
  };
}

}  // namespace z3mq
