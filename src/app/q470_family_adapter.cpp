#include "app/q470_family_adapter.h"

#include "ui/dialog.h"

namespace z3mq {

void Q470FamilyAdapter::createPages(const Q470Shell& shell) {
  shell_.emplace(shell);
  controller_.emplace(shell.link, static_cast<Q470Window&>(*this), shell.messageBoxes);
}

void Q470FamilyAdapter::setInformationLabel(int labelId, std::string_view text) {
  shell_->mainWindow.setText(labelId, text);
}

std::unique_ptr<Q470Family> makeQ470Family() {
  return std::make_unique<Q470FamilyAdapter>();
}

}  // namespace z3mq
