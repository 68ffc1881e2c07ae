#include "cli/monitor_command.h"

#include <mutex>
#include <string>

#include "cli/interrupt_wait.h"
#include "cli/printer_channel.h"
#include "cli/trace.h"
#include "link/aux_report.h"
#include "link/linux/hotplug_monitor.h"
#include "link/linux/linux_link.h"

namespace z3mq {
namespace {

Json eventJson(const DeviceEvent& event) {
  return Json{{"event", event.code == device_event::kArrival ? "arrival" : "removal"},
              {"interface", event.interfaceName.value_or("")}};
}

std::string eventText(const DeviceEvent& event) {
  return (event.code == device_event::kArrival ? "arrival " : "removal ") +
         event.interfaceName.value_or("");
}

Json reportJson(const Message& message) {
  const auto report = parseAuxReport(message.bytes);
  if (!report) return Json{{"event", "report"}, {"valid", false}};
  return Json{{"event", "report"},
              {"valid", true},
              {"hSize", report->hSize},
              {"vSize", report->vSize},
              {"otherInfo", report->otherInfo},
              {"errorInfo", report->errorInfo}};
}

// The report's fields as the activity log shows them, without the notice line before them.
std::string reportText(const Message& message) {
  std::string line = auxReportLogLines(message.bytes).back();
  if (!line.empty() && line.back() == '\n') line.pop_back();
  return "report " + line;
}

}  // namespace

ExitCode runMonitor(const PrinterTarget* target, bool json, Trace* trace, std::ostream& out,
                    std::ostream& err) {
  std::mutex outMutex;
  const auto print = [&](const std::string& text, const Json& value) {
    std::lock_guard lock(outMutex);
    out << (json ? value.dump() : text) << std::endl;
  };

  InterruptWait wait;
  HotplugMonitor monitor;
  if (!monitor.valid()) err << "z3mq: udev is not available; no device events" << std::endl;

  std::vector<std::string> diagnostics;
  LinuxLink link([&diagnostics](std::string_view text) { diagnostics.emplace_back(text); });
  PrinterChannel channel(link, trace);
  channel.setAuxReportHandler(
      [&](const Message& message) { print(reportText(message), reportJson(message)); });
  const int opened = target != nullptr
                         ? link.openPath(target->path, target->family, target->linkKind)
                         : link.open();
  if (opened != 0) {
    err << "z3mq: watching " << link.session().devicePath << " for reports" << std::endl;
  } else {
    for (const std::string& text : diagnostics) err << "z3mq: " << text << std::endl;
    err << "z3mq: no printer open; device events only" << std::endl;
  }

  while (wait.waitReadable(monitor.valid() ? monitor.fd() : -1)) {
    for (const DeviceEvent& event : monitor.drain()) print(eventText(event), eventJson(event));
  }
  link.close();
  return ExitCode::Ok;
}

}  // namespace z3mq
