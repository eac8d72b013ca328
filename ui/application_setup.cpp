#include "ui/application_setup.h"

#include <QApplication>
#include <QFont>

namespace ui {

namespace {

// The layout is fixed in pixels and its rows are 17 pixels high: a font in pixels keeps the
// captions fitting whatever point size or DPI the desktop sets.
constexpr int kFontPixels = 10;

}  // namespace

void SetUpApplication() {
  QFont font = QApplication::font();
  font.setPixelSize(kFontPixels);
  QApplication::setFont(font);
  QGuiApplication::setDesktopFileName(QStringLiteral("transformer-sizer"));
}

}  // namespace ui
