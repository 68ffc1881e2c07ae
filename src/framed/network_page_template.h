#pragma once

#include "ui/dialog_template.h"

namespace z3mq {

// Template 157: the Q470 network page with every control, item list and enabled state at
// creation. Lists start with no selection and address fields empty; the page's initialisation
// sets them.
DialogTemplate networkPageTemplate();

}  // namespace z3mq
