#pragma once

#include <QWidget>

namespace z3mq {

// A group box drawn as Windows draws one: an etched frame whose top line runs through the middle
// of the caption. It is only a picture behind the controls it frames; it takes no input and holds
// no children. Its text marks mnemonics as buttons do ("&&" is one ampersand).
class GroupFrame : public QWidget {
 public:
  explicit GroupFrame(QWidget* parent = nullptr);

  void setTitle(const QString& title);
  QString title() const { return title_; }
  // What the frame shows.
  QString caption() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
};

}  // namespace z3mq
