// z3mq-setting-tool: the desktop program. One window; it finds an attached printer by itself.
#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <string_view>

#include "app/app.h"
#include "gui/artwork.h"
#include "gui/device_event_notifier.h"
#include "gui/main_window_widget.h"
#include "gui/qt_message_boxes.h"
#include "gui/qt_timers.h"
#include "gui/qt_ui_thread.h"
#include "gui/steady_clock.h"
#include "link/linux/hotplug_monitor.h"
#include "link/linux/linux_link.h"

namespace {

void printDiagnostic(std::string_view text) {
  std::fprintf(stderr, "z3mq-setting-tool: %.*s\n", static_cast<int>(text.size()), text.data());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setApplicationDisplayName(QStringLiteral("z3mq-setting-tool"));
  QApplication::setWindowIcon(z3mq::applicationIcon());

  z3mq::LinuxLink link(printDiagnostic);
  z3mq::QtUiThread uiThread;
  z3mq::QtTimers timers;
  z3mq::SteadyClock clock;
  z3mq::QtMessageBoxes messageBoxes;
  z3mq::App app({link, uiThread, timers, clock, messageBoxes});

  z3mq::MainWindowWidget window(app.mainWindow(), link, z3mq::programResources());
  messageBoxes.setParent(&window);
  uiThread.setRepaintTarget(&window);

  z3mq::HotplugMonitor monitor;
  z3mq::DeviceEventNotifier devices(
      monitor.fd(), [&monitor] { return monitor.drain(); },
      [&](const z3mq::DeviceEvent& event) {
        uiThread.whenNoTaskRuns([&app, event] { app.mainWindow().onDeviceChange(event); });
      });

  window.show();
  return QApplication::exec();
}
