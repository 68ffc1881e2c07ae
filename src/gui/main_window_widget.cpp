#include "gui/main_window_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "app/main_window_controls.h"
#include "app/page_host.h"
#include "gui/about_box.h"
#include "gui/artwork.h"
#include "gui/dialog_fonts.h"
#include "link/link.h"

namespace z3mq {
namespace {

// The device label's logical font: Times New Roman with a 40-pixel cell, 10 pixels a character,
// bold.
constexpr int kLargeLabelCell = 40;
constexpr int kLargeLabelAverageWidth = 10;

// The Windows virtual key of a Qt key, for the keys the main window filters.
int virtualKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    default:
      return 0;
  }
}

}  // namespace

MainWindowWidget::MainWindowWidget(MainWindow& window, Link& link, const ViewResources& resources)
    : link_(link), resources_(resources) {
  view_ = std::make_unique<DialogView>(window.dialog(), resources_, this);
  setWindowTitle(QString::fromStdString(window.dialog().layout().caption));
  setWindowIcon(applicationIcon());
  setFixedSize(view_->templateSize());
  view_->controlWidget(main_window::kDeviceLabel)
      ->setFont(fontWithCell("Times New Roman", kLargeLabelCell, kLargeLabelAverageWidth, true));
  for (Dialog* page : window.pages().pages()) {
    auto pageView = std::make_unique<DialogView>(*page, resources_);
    view_->hostPage(main_window::kTabControl, *pageView, kPageOffset);
    pages_.push_back(std::move(pageView));
  }
  qApp->installEventFilter(this);
}

MainWindowWidget::~MainWindowWidget() {
  qApp->removeEventFilter(this);
  // The page views are children of the main view's tab control: they go first.
  pages_.clear();
}

void MainWindowWidget::runAbout() {
  runAboutBox(this, resources_);
}

void MainWindowWidget::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QString::fromStdString(aboutMenuItemText()), this, [this] { runAbout(); });
  menu.exec(event->globalPos());
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
  // The receive worker must be gone before the window's controls are.
  link_.close();
  event->accept();
}

bool MainWindowWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const int key = virtualKey(static_cast<QKeyEvent*>(event)->key());
    if (widget != nullptr && widget->window() == this && key != 0 &&
        mainWindowConsumesKeyDown(key)) {
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace z3mq
