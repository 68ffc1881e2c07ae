#pragma once

#include <QTabBar>
#include <QWidget>

namespace z3mq {

// A tab control as Windows draws one: a strip of tabs along the top edge and a framed pane below
// it. Pages are ordinary children placed over the pane by whoever hosts them; the widget does not
// switch them itself.
class TabControlWidget : public QWidget {
 public:
  explicit TabControlWidget(QWidget* parent = nullptr);

  QTabBar* tabBar() const { return tabBar_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTabBar* tabBar_;
};

}  // namespace z3mq
