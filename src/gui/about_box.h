#pragma once

#include <QWidget>

#include "gui/dialog_view.h"

namespace z3mq {

// Runs the About box modally over its owner until the user closes it: close box, Enter or Escape.
void runAboutBox(QWidget* owner, const ViewResources& resources);

}  // namespace z3mq
