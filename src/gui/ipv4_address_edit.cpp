#include "gui/ipv4_address_edit.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>

namespace z3mq {

Ipv4AddressEdit::Ipv4AddressEdit(QWidget* parent) : QFrame(parent) {
  // The frame looks like one edit field; the octets inside have none of their own.
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 0, 2, 0);
  layout->setSpacing(0);
  for (int i = 0; i < 4; ++i) {
    auto* octet = new QLineEdit(this);
    octet->setFrame(false);
    octet->setAlignment(Qt::AlignCenter);
    octet->setMaxLength(3);
    octet->setValidator(new QIntValidator(0, 255, octet));
    octet->installEventFilter(this);
    octet->setMinimumWidth(0);
    layout->addWidget(octet, 1);
    connect(octet, &QLineEdit::textEdited, this, [this, i] { octetEdited(i); });
    octets_[static_cast<std::size_t>(i)] = octet;
    if (i < 3) {
      auto* dot = new QLabel(QStringLiteral("."), this);
      dot->setAlignment(Qt::AlignCenter);
      layout->addWidget(dot, 0);
    }
  }
  setFocusProxy(octets_[0]);
}

std::uint32_t Ipv4AddressEdit::address() const {
  std::uint32_t value = 0;
  for (const QLineEdit* octet : octets_) value = value << 8 | (octet->text().toUInt() & 0xFFu);
  return value;
}

void Ipv4AddressEdit::setAddress(std::uint32_t address) {
  for (int i = 0; i < 4; ++i) {
    const auto octet = (address >> (8 * (3 - i))) & 0xFFu;
    octets_[static_cast<std::size_t>(i)]->setText(QString::number(octet));
  }
}

void Ipv4AddressEdit::octetEdited(int index) {
  if (index < 3 && octets_[static_cast<std::size_t>(index)]->text().size() == 3) {
    focusOctet(index + 1);
  }
  emit addressEdited(address());
}

void Ipv4AddressEdit::focusOctet(int index) {
  QLineEdit* octet = octets_[static_cast<std::size_t>(index)];
  octet->setFocus(Qt::TabFocusReason);
  octet->selectAll();
}

bool Ipv4AddressEdit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    for (int i = 0; i < 3; ++i) {
      if (watched == octets_[static_cast<std::size_t>(i)] &&
          (key->key() == Qt::Key_Period || key->key() == Qt::Key_Space)) {
        focusOctet(i + 1);
        return true;
      }
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace z3mq
