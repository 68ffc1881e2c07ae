#include "gui/static_text.h"

#include <QEvent>
#include <QFontMetrics>

namespace z3mq {

QString withoutMnemonicMarks(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

StaticText::StaticText(const QRect& templateRect, Qt::Alignment horizontal, QWidget* parent)
    : QLabel(parent), templateRect_(templateRect) {
  setTextFormat(Qt::PlainText);
  setAlignment(horizontal | Qt::AlignTop);
  fit();
}

void StaticText::setStaticText(const std::string& text) {
  setText(withoutMnemonicMarks(QString::fromStdString(text)));
  fit();
}

void StaticText::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) fit();
}

void StaticText::fit() {
  const QFontMetrics metrics(font());
  const bool oneLine = templateRect_.height() < 2 * metrics.lineSpacing();
  setWordWrap(!oneLine);
  QRect geometry = templateRect_;
  const int missing = oneLine ? metrics.horizontalAdvance(text()) + 1 - geometry.width() : 0;
  if (missing > 0) {
    if (alignment() & Qt::AlignHCenter) {
      geometry.adjust(-missing / 2, 0, missing - missing / 2, 0);
    } else if (alignment() & Qt::AlignRight) {
      geometry.setLeft(geometry.left() - missing);
    } else {
      geometry.setRight(geometry.right() + missing);
    }
  }
  setGeometry(geometry);
}

}  // namespace z3mq
