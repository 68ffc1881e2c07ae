#pragma once

#include "ui/dialog_template.h"

namespace z3mq {

// The page shown until the first printer is connected, template 160.
DialogTemplate defaultPageTemplate();

}  // namespace z3mq
