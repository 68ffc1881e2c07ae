// z3mq: the command-line client. What the window does with one printer, without clicking:
// identify it, save its settings to a file, write them to the next printer, print a test page.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/monitor_command.h"
#include "cli/printer_runner.h"
#include "cli/settings_file.h"
#include "cli/trace.h"
#include "link/linux/usb_discovery.h"

namespace z3mq {
namespace {

struct Options {
  std::string device;
  std::string family;
  std::string link;
  int timeoutMs = 3000;
  int settleMs = 1000;
  bool json = false;
  bool all = false;
  std::string trace;
  std::string output;
  std::string input;
};

int exitStatus(ExitCode code) {
  return static_cast<int>(code);
}

std::string_view linkKey(LinkKind kind) {
  return kind == LinkKind::ActualUsb ? "usb" : "cdc";
}

int listPrinters(bool json) {
  Json list = Json::array();
  for (const DiscoveredPrinter& printer : enumerateUsbPrinters()) {
    const Json entry{{"path", printer.nodePath},
                     {"id", usbDeviceId(printer.vendorId, printer.productId)},
                     {"family", familyKey(printer.model->family)},
                     {"link", linkKey(printer.model->linkKind)}};
    if (!json) {
      std::printf("%s  %04X:%04X  %s  %s\n", printer.nodePath.c_str(), printer.vendorId,
                  printer.productId, std::string(familyKey(printer.model->family)).c_str(),
                  std::string(linkKey(printer.model->linkKind)).c_str());
    }
    list.push_back(entry);
  }
  if (json) std::cout << list.dump(2) << '\n';
  return exitStatus(ExitCode::Ok);
}

std::optional<PrinterTarget> chosenTarget(const Options& options) {
  if (options.device.empty()) return std::nullopt;
  std::optional<PrinterFamily> family;
  if (!options.family.empty()) family = familyOfKey(options.family);
  std::optional<LinkKind> link;
  if (!options.link.empty())
    link = options.link == "usb" ? LinkKind::ActualUsb : LinkKind::SerialEmulate;
  return deviceTarget(options.device, family, link);
}

void printReport(const PrinterReport& report, bool json) {
  if (report.code != ExitCode::Ok) {
    std::cerr << "z3mq: " << (report.devicePath.empty() ? "" : report.devicePath + ": ")
              << report.error << std::endl;
    return;
  }
  if (json) {
    std::cout << report.outcome.json.dump(2) << std::endl;
    return;
  }
  for (const std::string& line : report.outcome.lines) std::cout << line << '\n';
  std::cout << std::flush;
}

Json reportJson(const PrinterReport& report) {
  Json json{{"device", report.devicePath}, {"exitCode", exitStatus(report.code)}};
  if (report.code == ExitCode::Ok) {
    json["result"] = report.outcome.json;
  } else {
    json["error"] = report.error;
  }
  return json;
}

int runOnEveryPrinter(const Options& options, const RunSettings& settings,
                      const PrinterCommand& command) {
  const std::vector<PrinterTarget> targets = attachedTargets();
  if (targets.empty()) {
    std::cerr << "z3mq: no printer found" << std::endl;
    return exitStatus(ExitCode::NoPrinter);
  }
  ExitCode first = ExitCode::Ok;
  Json reports = Json::array();
  for (const PrinterTarget& target : targets) {
    const PrinterReport report = runOnPrinter(&target, settings, command);
    if (first == ExitCode::Ok) first = report.code;
    if (options.json) {
      reports.push_back(reportJson(report));
      continue;
    }
    std::cout << "== " << target.path << std::endl;
    printReport(report, false);
  }
  if (options.json) std::cout << reports.dump(2) << std::endl;
  return exitStatus(first);
}

int runPrinterCommand(const Options& options, const PrinterCommand& command) {
  std::unique_ptr<Trace> trace;
  if (!options.trace.empty()) trace = std::make_unique<Trace>(options.trace);
  const RunSettings settings{std::chrono::milliseconds(options.settleMs), trace.get()};
  if (options.all) return runOnEveryPrinter(options, settings, command);
  const std::optional<PrinterTarget> target = chosenTarget(options);
  const PrinterReport report = runOnPrinter(target ? &*target : nullptr, settings, command);
  printReport(report, options.json);
  return exitStatus(report.code);
}

int runMonitorCommand(const Options& options) {
  std::unique_ptr<Trace> trace;
  if (!options.trace.empty()) trace = std::make_unique<Trace>(options.trace);
  const std::optional<PrinterTarget> target = chosenTarget(options);
  return exitStatus(
      runMonitor(target ? &*target : nullptr, options.json, trace.get(), std::cout, std::cerr));
}

ReadDestination readDestination(const Options& options) {
  if (options.output.empty()) {
    if (options.all) throw CliError(ExitCode::BadInput, "read --all needs -o DIR");
    return {};
  }
  return {options.all ? ReadDestination::Kind::Directory : ReadDestination::Kind::File,
          options.output};
}

int run(int argc, char** argv) {
  Options options;
  CLI::App app{"Configure Z3M and Q470 receipt printers attached by USB.", "z3mq"};
  app.set_version_flag("--version", Z3MQ_VERSION);
  app.require_subcommand(1);
  app.fallthrough();  // global options may also follow the command
  auto* device = app.add_option("--device", options.device,
                                "open this node instead of the first discovered printer");
  app.add_option("--family", options.family, "printer family behind --device")
      ->check(CLI::IsMember({"q470", "z3m"}))
      ->needs(device);
  app.add_option("--link", options.link,
                 "link kind behind --device (default: cdc, usb for /dev/usb/ and lp nodes)")
      ->check(CLI::IsMember({"cdc", "usb"}))
      ->needs(device);
  app.add_option("--timeout", options.timeoutMs, "milliseconds to wait for each answer")
      ->check(CLI::NonNegativeNumber)
      ->capture_default_str();
  app.add_option("--settle", options.settleMs, "milliseconds to wait after opening a printer")
      ->check(CLI::NonNegativeNumber)
      ->capture_default_str();
  app.add_flag("--json", options.json, "print results as JSON");
  app.add_flag("--all", options.all,
               "info, read -o DIR, write, print-*: every attached printer, each reported")
      ->excludes(device);
  app.add_option("--trace", options.trace,
                 "write a timestamped transcript of every message sent and received");

  auto* list = app.add_subcommand("list", "attached printers: node path, VID:PID, family, link");
  auto* info = app.add_subcommand("info", "identity of the printer");
  auto* read = app.add_subcommand("read", "identity and all settings as one JSON document");
  read->add_option("-o,--output", options.output,
                   "write the document to FILE (with --all: one file per printer in DIR)");
  auto* write = app.add_subcommand("write", "write the settings of a document made by read");
  write->add_option("FILE", options.input, "settings document")->required();
  auto* settingPage = app.add_subcommand("print-setting-page", "print the printer's setting page");
  auto* ascii = app.add_subcommand("print-ascii", "print the ASCII test line");
  auto* monitor =
      app.add_subcommand("monitor", "device arrivals and removals and the printer's reports");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? 0 : exitStatus(ExitCode::BadInput);
  }

  const std::chrono::milliseconds timeout(options.timeoutMs);
  try {
    if ((list->parsed() || monitor->parsed()) && options.all) {
      throw CliError(ExitCode::BadInput, "--all does not apply to list and monitor");
    }
    if (list->parsed()) return listPrinters(options.json);
    if (monitor->parsed()) return runMonitorCommand(options);
    if (info->parsed()) return runPrinterCommand(options, infoCommand(timeout));
    if (read->parsed()) {
      return runPrinterCommand(options, readCommand(timeout, readDestination(options)));
    }
    if (write->parsed()) {
      return runPrinterCommand(
          options, writeCommand(timeout, settingsToWrite(readSettingsFile(options.input))));
    }
    if (settingPage->parsed()) return runPrinterCommand(options, printSettingPageCommand());
    if (ascii->parsed()) return runPrinterCommand(options, printAsciiCommand());
  } catch (const CliError& error) {
    std::cerr << "z3mq: " << error.what() << std::endl;
    return exitStatus(error.code());
  }
  return exitStatus(ExitCode::BadInput);
}

}  // namespace
}  // namespace z3mq

int main(int argc, char** argv) {
  return z3mq::run(argc, argv);
}
