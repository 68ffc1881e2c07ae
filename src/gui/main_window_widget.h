#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "gui/dialog_view.h"

namespace z3mq {

class Link;

// The top-level window of the program: the main window's dialog with its pages in the tab
// control, the window's caption and icon, the device label's large font and the About item of its
// context menu. Enter and Escape go nowhere, so they never close the window or hide a page.
// Closing the window closes the link first.
class MainWindowWidget : public QWidget {
 public:
  // Pages sit this far below the tab control's top edge, under the tab strip.
  static constexpr QPoint kPageOffset{0, 25};

  MainWindowWidget(MainWindow& window, Link& link, const ViewResources& resources);
  ~MainWindowWidget() override;

  DialogView& view() { return *view_; }
  // The views of the pages, in the order the main window created them.
  const std::vector<std::unique_ptr<DialogView>>& pageViews() const { return pages_; }

  // The About item of the context menu.
  void runAbout();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Link& link_;
  const ViewResources resources_;
  std::unique_ptr<DialogView> view_;
  std::vector<std::unique_ptr<DialogView>> pages_;
};

}  // namespace z3mq
