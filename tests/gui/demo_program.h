#pragma once

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <optional>
#include <string_view>

#include "app/app.h"
#include "gui/artwork.h"
#include "gui/main_window_widget.h"
#include "gui/qt_message_boxes.h"
#include "gui/qt_timers.h"
#include "gui/qt_ui_thread.h"
#include "gui/simulated_printer_attach.h"
#include "gui/steady_clock.h"
#include "link/linux/linux_link.h"

namespace z3mq {

// The program as main() puts it together in demo mode: a simulated printer on a pseudo-terminal
// behind the real Linux link, the Qt services and the main window. Message boxes are recorded
// and dismissed as soon as they are open. Returns null from start() for an unknown model name.
struct DemoProgram {
  LinuxLink link;
  DemoPrinter printer;
  QtUiThread uiThread;
  QtTimers timers;
  SteadyClock clock;
  QtMessageBoxes messageBoxes;
  std::optional<App> app;
  std::optional<MainWindowWidget> window;
  QTimer dismisser;
  QStringList boxTexts;

  bool start(std::string_view model) {
    const PrinterModel* simulated = simulatedPrinterModel(model);
    if (simulated == nullptr) return false;
    printer = attachSimulatedPrinter(link, *simulated);
    app.emplace(ShellServices{link, uiThread, timers, clock, messageBoxes});
    window.emplace(app->mainWindow(), link, programResources());
    messageBoxes.setParent(&*window);
    uiThread.setRepaintTarget(&*window);
    QObject::connect(&dismisser, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        boxTexts << box->text();
        box->accept();
      }
    });
    dismisser.start(5);
    window->show();
    return true;
  }

  QString labelText(int id) {
    return qobject_cast<QLabel*>(window->view().controlWidget(id))->text();
  }
};

}  // namespace z3mq
