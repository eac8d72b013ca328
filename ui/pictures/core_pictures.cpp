#include "ui/pictures/core_pictures.h"

namespace ui {

QPixmap CorePicture(int /*form*/, qreal devicePixelRatio) {
  QPixmap pixmap(QSize(kPictureWidth, kPictureHeight) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::white);
  return pixmap;
}

}  // namespace ui
