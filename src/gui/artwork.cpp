#include "gui/artwork.h"

#include "app/activity_log.h"
#include "app/main_window_controls.h"

namespace z3mq {

QPixmap programImage(int imageId) {
  switch (imageId) {
    case main_window::kApplicationIcon:
      return QPixmap(QStringLiteral(":/artwork/icon-32.png"));
    case main_window::kBannerBitmap:
      return QPixmap(QStringLiteral(":/artwork/banner.png"));
    default:
      return {};
  }
}

QIcon applicationIcon() {
  QIcon icon;
  for (int size : {32, 48, 128, 256}) {
    icon.addFile(QStringLiteral(":/artwork/icon-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

ViewResources programResources() {
  ViewResources resources{.image = programImage, .richTextColours = {}};
  for (const LogColour& colour : kLogColours) {
    resources.richTextColours.emplace_back(colour.red, colour.green, colour.blue);
  }
  return resources;
}

}  // namespace z3mq
