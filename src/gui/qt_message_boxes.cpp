#include "gui/qt_message_boxes.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace z3mq {

void QtMessageBoxes::show(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                  QString::fromStdString(text), QMessageBox::Ok, parent_);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace z3mq
