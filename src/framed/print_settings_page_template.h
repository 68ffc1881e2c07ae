#pragma once

#include "ui/dialog_template.h"

namespace z3mq {

// Template 156: the Q470 printing settings page with every control, item list, hint and enabled
// state at creation. Lists start with no selection; the page's initialisation selects.
DialogTemplate printSettingsPageTemplate();

}  // namespace z3mq
