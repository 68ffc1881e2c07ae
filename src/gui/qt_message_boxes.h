#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "ui/message_box_service.h"

namespace z3mq {

// Message boxes with an OK button, modal to the whole application, over the given parent window.
class QtMessageBoxes : public MessageBoxService {
 public:
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}

  void setParent(QWidget* parent) { parent_ = parent; }
  void show(const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace z3mq
