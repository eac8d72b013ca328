#include "ui/pictures/core_pictures.h"

#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QtMath>

namespace ui {
namespace {

// The window places each picture so that its last three columns fall outside the client area.
constexpr int kWhiteRightColumns = 3;

QImage Render(int form, qreal devicePixelRatio) {
  const QSize deviceSize = QSize(kPictureWidth, kPictureHeight) * devicePixelRatio;
  QImage image(deviceSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  if (form >= 1 && form <= 3) {
    QSvgRenderer renderer(QStringLiteral(":/pictures/core_form_%1.svg").arg(form));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), deviceSize));
  }
  // Grey levels only, whatever the renderer's colour blending does.
  image = image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
  const int firstWhite = qFloor((kPictureWidth - kWhiteRightColumns) * devicePixelRatio);
  QPainter(&image).fillRect(firstWhite, 0, image.width() - firstWhite, image.height(), Qt::white);
  image.setDevicePixelRatio(devicePixelRatio);
  return image;
}

}  // namespace

QPixmap CorePicture(int form, qreal devicePixelRatio) {
  const QString key = QStringLiteral("ui::CorePicture/%1@%2").arg(form).arg(devicePixelRatio);
  QPixmap pixmap;
  if (!QPixmapCache::find(key, &pixmap)) {
    pixmap = QPixmap::fromImage(Render(form, devicePixelRatio));
    QPixmapCache::insert(key, pixmap);
  }
  return pixmap;
}

}  // namespace ui
