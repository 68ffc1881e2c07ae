// z3mq-setting-tool: the desktop program. One window; it finds an attached printer by itself, or
// attaches a simulated one when asked (--simulate, --simulate-if-absent).
#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <memory>
#include <string_view>
#include <system_error>

#include "app/app.h"
#include "gui/artwork.h"
#include "gui/device_event_notifier.h"
#include "gui/main_window_widget.h"
#include "gui/program_options.h"
#include "gui/qt_message_boxes.h"
#include "gui/qt_timers.h"
#include "gui/qt_ui_thread.h"
#include "gui/simulated_printer_attach.h"
#include "gui/steady_clock.h"
#include "link/linux/hotplug_monitor.h"
#include "link/linux/linux_link.h"
#include "link/linux/usb_discovery.h"

namespace {

void printDiagnostic(std::string_view text) {
  std::fprintf(stderr, "z3mq-setting-tool: %.*s\n", static_cast<int>(text.size()), text.data());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace z3mq;
  // Before the display is opened: a usage error needs none.
  QApplication::setApplicationName(QStringLiteral("z3mq-setting-tool"));
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const auto parsed = parseProgramOptions(arguments);
  if (const auto* error = std::get_if<std::string>(&parsed)) {
    printDiagnostic(*error);
    return 2;
  }
  const ProgramOptions& options = std::get<ProgramOptions>(parsed);

  QApplication application(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setWindowIcon(applicationIcon());

  LinuxLink link(printDiagnostic);
  DemoPrinter simulated;
  if (options.simulate != nullptr && !(options.onlyIfAbsent && !enumerateUsbPrinters().empty())) {
    try {
      simulated = attachSimulatedPrinter(link, *options.simulate);
    } catch (const std::system_error& failure) {
      printDiagnostic(std::string("no simulated printer: ") + failure.what());
      return 1;
    }
  }

  QtUiThread uiThread;
  QtTimers timers;
  SteadyClock clock;
  QtMessageBoxes messageBoxes;
  App app({link, uiThread, timers, clock, messageBoxes});

  MainWindowWidget window(app.mainWindow(), link, programResources());
  messageBoxes.setParent(&window);
  uiThread.setRepaintTarget(&window);

  HotplugMonitor monitor;
  DeviceEventNotifier devices(
      monitor.fd(), [&monitor] { return monitor.drain(); },
      [&](const DeviceEvent& event) {
        // Not inside a handler that waits in a message box: closing the link there would wait
        // for the worker that waits for that handler.
        uiThread.whenNoTaskRuns([&app, event] { app.mainWindow().onDeviceChange(event); });
      });

  window.show();
  return QApplication::exec();
}
