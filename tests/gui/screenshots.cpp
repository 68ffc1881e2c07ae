// Renders the main window in each of its states to PNG files, for people to look at:
//   gui_screenshots OUTPUT_DIR
// Each state is the program in demo mode, brought there as a user would.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/main_window_controls.h"
#include "gui/demo_program.h"

namespace z3mq {
namespace {

using namespace main_window;

constexpr int kBoundMs = 10000;

bool save(QWidget& widget, const QDir& out, const char* name) {
  const QString path = out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  if (widget.grab().save(path)) {
    std::printf("%s\n", qPrintable(path));
    return true;
  }
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

bool connected(DemoProgram& demo) {
  const bool online = QTest::qWaitFor(
      [&] { return demo.labelText(kLinkTypeLabel) != QStringLiteral("USB type not found"); },
      kBoundMs);
  // Not a test: a moment for the answers to the first requests to arrive is all it needs.
  QTest::qWait(300);
  return online;
}

// The program on a simulated printer of `model`; `bring` takes it into the state to save.
bool shoot(const QDir& out, const char* name, const char* model,
           const std::function<bool(DemoProgram&)>& bring) {
  DemoProgram demo;
  if (!demo.start(model) || !bring(demo)) {
    std::fprintf(stderr, "%s: the window did not reach its state\n", name);
    return false;
  }
  return save(*demo.window, out, name);
}

// A box or menu that `open` runs over the program's window, saved while it is open.
bool shootPopup(const QDir& out, const char* name, const std::function<void(DemoProgram&)>& open) {
  DemoProgram demo;
  if (!demo.start("z3m")) return false;
  demo.dismisser.stop();
  bool saved = false;
  QTimer::singleShot(0, [&] {
    QWidget* popup = QApplication::activePopupWidget() != nullptr
                         ? QApplication::activePopupWidget()
                         : QApplication::activeModalWidget();
    saved = popup != nullptr && save(*popup, out, name);
    if (popup != nullptr) popup->close();
  });
  open(demo);
  return saved;
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
  bool ok = shoot(out, "waiting", "q470", [](DemoProgram&) { return true; });
  ok = shoot(out, "q470-printing", "q470", connected) && ok;
  ok = shoot(out, "q470-network", "q470",
             [](DemoProgram& demo) {
               if (!connected(demo)) return false;
               demo.app->mainWindow().dialog().userSelectTab(kTabControl, 1);
               QTest::qWait(300);
               return true;
             }) &&
       ok;
  ok = shoot(out, "z3m-menu-switch", "z3m-usb", connected) && ok;
  ok = shootPopup(out, "about", [](DemoProgram& demo) { demo.window->runAbout(); }) && ok;
  // The texts in Hangul: the About item of the context menu and a message box.
  ok = shootPopup(out, "context-menu",
                  [](DemoProgram& demo) {
                    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                            demo.window->mapToGlobal(QPoint(5, 5)));
                    QApplication::sendEvent(&*demo.window, &event);
                  }) &&
       ok;
  ok = shootPopup(out, "message-box",
                  [](DemoProgram& demo) { demo.messageBoxes.show("정수를 입력하십시오."); }) &&
       ok;
  return ok ? 0 : 1;
}
