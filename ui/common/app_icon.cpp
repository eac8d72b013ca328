#include "ui/common/app_icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace ui {

namespace {

// An X window announces its icon in these sizes; the desktop takes larger ones from the
// installed SVG.
constexpr int kSizes[] = {16, 24, 32, 48, 64};

}  // namespace

// Drawn directly: an icon read from a file would make Qt scan its image and icon-engine
// plugins first, which costs the window's first paint several per cent.
QIcon AppIcon() {
  QSvgRenderer svg(QStringLiteral(":/icons/" TS_APP_ID ".svg"));
  QIcon icon;
  for (const int size : kSizes) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace ui
