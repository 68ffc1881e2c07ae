#include "gui/tab_control_widget.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace z3mq {

TabControlWidget::TabControlWidget(QWidget* parent) : QWidget(parent), tabBar_(new QTabBar(this)) {
  tabBar_->setDrawBase(false);
  tabBar_->setExpanding(false);
  tabBar_->setUsesScrollButtons(true);
}

void TabControlWidget::resizeEvent(QResizeEvent* event) {
  tabBar_->setGeometry(0, 0, width(), tabBar_->sizeHint().height());
  QWidget::resizeEvent(event);
}

void TabControlWidget::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  frame.shape = QTabBar::RoundedNorth;
  frame.tabBarSize = tabBar_->sizeHint();
  frame.tabBarRect = QRect(QPoint(0, 0), frame.tabBarSize);
  const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
  frame.rect = rect().adjusted(0, frame.tabBarSize.height() - overlap, 0, 0);
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

}  // namespace z3mq
