#pragma once

#include "ui/dialog_template.h"

namespace z3mq {

// The About box, template 100. It has no buttons: it closes through its close box, Enter or
// Escape.
DialogTemplate aboutBoxTemplate();

}  // namespace z3mq
