#include "gui/group_frame.h"

#include <QPainter>
#include <utility>

#include "gui/static_text.h"

namespace z3mq {

GroupFrame::GroupFrame(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void GroupFrame::setTitle(const QString& title) {
  title_ = title;
  update();
}

QString GroupFrame::caption() const {
  return withoutMnemonicMarks(title_);
}

void GroupFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
  const QString shown = caption();
  const int indent = metrics.averageCharWidth();
  // The top line leaves a gap for the caption, a little wider than its text.
  const int gapLeft = shown.isEmpty() ? frame.left() : indent;
  const int gapRight =
      shown.isEmpty() ? frame.left() : indent + metrics.horizontalAdvance(shown) + 4;
  // Etched: a shadow line with a light line one pixel below and to the right of it.
  for (const auto& [offset, role] :
       {std::pair{QPoint(1, 1), QPalette::Light}, std::pair{QPoint(0, 0), QPalette::Mid}}) {
    const QRect line = frame.translated(offset);
    painter.setPen(palette().color(role));
    painter.drawLine(line.topLeft(), QPoint(gapLeft, line.top()));
    painter.drawLine(QPoint(gapRight, line.top()), line.topRight());
    painter.drawLine(line.topRight(), line.bottomRight());
    painter.drawLine(line.bottomRight(), line.bottomLeft());
    painter.drawLine(line.bottomLeft(), line.topLeft());
  }
  if (shown.isEmpty()) return;
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(QRect(gapLeft + 2, 0, gapRight - gapLeft - 4, metrics.height()), Qt::AlignCenter,
                   shown);
}

}  // namespace z3mq
