// Renders the main window in each of its states to PNG files, for people to look at:
//   gui_screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/main_window_controls.h"
#include "gui/artwork.h"
#include "gui/main_window_widget.h"
#include "support/headless_shell.h"
#include "support/scripted_z3m_printer.h"

namespace z3mq {
namespace {

bool save(QWidget& widget, const QDir& out, const char* name) {
  const QString path = out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  if (widget.grab().save(path)) {
    std::printf("%s\n", qPrintable(path));
    return true;
  }
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

// A window on a fresh application, brought into a state by `prepare`, then saved.
bool shoot(const QDir& out, const char* name, const std::function<void(HeadlessShell&)>& prepare,
           const std::function<bool(MainWindowWidget&)>& take = {}) {
  HeadlessShell shell;
  shell.start();
  MainWindowWidget window(shell.window(), shell.link, programResources());
  window.show();
  prepare(shell);
  QApplication::processEvents();
  return take ? take(window) : save(window, out, name);
}

}  // namespace
}  // namespace z3mq

int main(int argc, char** argv) {
  using namespace z3mq;
  QApplication application(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  if (argc != 2) {
    std::fprintf(stderr, "usage: gui_screenshots OUTPUT_DIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  ScriptedZ3MPrinter z3m;
  bool ok = shoot(out, "waiting", [](HeadlessShell&) {});
  ok = shoot(out, "q470-printing",
             [](HeadlessShell& shell) {
               shell.link.attach(0x28E9, 0x018A);
               shell.runSearch();
             }) &&
       ok;
  ok = shoot(out, "q470-network",
             [](HeadlessShell& shell) {
               shell.link.attach(0x28E9, 0x018A);
               shell.runSearch();
               shell.dialog().userSelectTab(main_window::kTabControl, 1);
             }) &&
       ok;
  ok = shoot(out, "z3m-menu-switch",
             [&](HeadlessShell& shell) {
               shell.link.attach(0x045B, 0x5311, &z3m);
               shell.runSearch();
               shell.run();
             }) &&
       ok;
  ok = shoot(
           out, "about", [](HeadlessShell&) {},
           [&](MainWindowWidget& window) {
             bool saved = false;
             QTimer::singleShot(0, [&] {
               QWidget* box = QApplication::activeModalWidget();
               saved = box != nullptr && save(*box, out, "about");
               if (box != nullptr) box->close();
             });
             window.runAbout();
             return saved;
           }) &&
       ok;
  return ok ? 0 : 1;
}
