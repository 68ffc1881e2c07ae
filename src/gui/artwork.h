#pragma once

#include <QIcon>
#include <QPixmap>

#include "gui/dialog_view.h"

namespace z3mq {

// The program's pictures by the image ids its templates use (application icon, banner); a null
// pixmap for any other id.
QPixmap programImage(int imageId);
QIcon applicationIcon();

// Pictures and activity log colours for the program's dialogs.
ViewResources programResources();

}  // namespace z3mq
