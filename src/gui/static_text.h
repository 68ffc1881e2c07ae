#pragma once

#include <QLabel>
#include <QRect>
#include <string>

namespace z3mq {

// A static text control. Its text marks mnemonics as Windows does ("&&" shows one ampersand, a
// single one is dropped). A text in a one-line rectangle stays on one line and, where the
// stand-in font is wider than the face the template was drawn for, grows past its rectangle
// (rightwards, both ways when centred, leftwards when right-aligned) instead of being cut.
class StaticText : public QLabel {
 public:
  StaticText(const QRect& templateRect, Qt::Alignment horizontal, QWidget* parent);

  void setStaticText(const std::string& text);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void fit();

  const QRect templateRect_;
};

// What a Windows static control shows for a text with mnemonic marks.
QString withoutMnemonicMarks(const QString& text);

}  // namespace z3mq
