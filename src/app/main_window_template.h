#pragma once

#include "ui/dialog_template.h"

namespace z3mq {

// The main window, template 102.
DialogTemplate mainWindowTemplate();

}  // namespace z3mq
