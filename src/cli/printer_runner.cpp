#include "cli/printer_runner.h"

#include <thread>

#include "cli/printer_channel.h"
#include "cli/trace.h"
#include "link/linux/linux_link.h"
#include "link/linux/usb_discovery.h"

namespace z3mq {
namespace {

LinkKind defaultLinkKind(const std::string& path) {
  const std::string name = path.substr(path.find_last_of('/') + 1);
  const bool printerClass = path.starts_with("/dev/usb/") || name.starts_with("lp");
  return printerClass ? LinkKind::ActualUsb : LinkKind::SerialEmulate;
}

std::string joined(const std::vector<std::string>& texts) {
  std::string text;
  for (const std::string& part : texts) text += (text.empty() ? "" : "; ") + part;
  return text;
}

std::string knownIdsText() {
  std::string text;
  for (const PrinterModel& model : kKnownPrinters) {
    text += (text.empty() ? "" : ", ") + usbDeviceId(model.vendorId, model.productId);
  }
  return text;
}

}  // namespace

PrinterTarget deviceTarget(const std::string& path, std::optional<PrinterFamily> family,
                           std::optional<LinkKind> linkKind) {
  PrinterTarget target{path, PrinterFamily::None, defaultLinkKind(path)};
  for (const DiscoveredPrinter& printer : enumerateUsbPrinters()) {
    if (printer.nodePath != path) continue;
    target.family = printer.model->family;
    target.linkKind = printer.model->linkKind;
  }
  if (family) target.family = *family;
  if (linkKind) target.linkKind = *linkKind;
  if (target.family == PrinterFamily::None) {
    throw CliError(ExitCode::BadInput,
                   path + " is not a printer we know by its USB ids; say which with --family");
  }
  return target;
}

std::vector<PrinterTarget> attachedTargets() {
  std::vector<PrinterTarget> targets;
  for (const DiscoveredPrinter& printer : enumerateUsbPrinters()) {
    targets.push_back({printer.nodePath, printer.model->family, printer.model->linkKind});
  }
  return targets;
}

PrinterReport runOnPrinter(const PrinterTarget* target, const RunSettings& settings,
                           const PrinterCommand& command) {
  std::vector<std::string> diagnostics;
  LinuxLink link([&diagnostics](std::string_view text) { diagnostics.emplace_back(text); });
  PrinterChannel channel(link, settings.trace);
  PrinterReport report;
  const int opened = target != nullptr
                         ? link.openPath(target->path, target->family, target->linkKind)
                         : link.open();
  report.devicePath = link.session().devicePath;
  if (opened == 0) {
    report.code = ExitCode::NoPrinter;
    report.error = !diagnostics.empty() ? joined(diagnostics)
                   : target != nullptr  ? "cannot open " + target->path
                                       : "no printer found (known USB ids: " + knownIdsText() + ")";
    return report;
  }
  if (settings.trace != nullptr) {
    settings.trace->note("opened " + report.devicePath);
  }
  // Printers want a moment after the port opens, as the window gives them.
  std::this_thread::sleep_for(settings.settle);
  try {
    report.outcome = command(channel);
  } catch (const CliError& error) {
    report.code = error.code();
    report.error = error.what();
  }
  link.close();
  if (settings.trace != nullptr) settings.trace->note("closed " + report.devicePath);
  return report;
}

}  // namespace z3mq
