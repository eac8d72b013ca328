#include "ui/common/application_setup.h"

#include <QApplication>
#include <QFont>

#include "ui/common/app_icon.h"

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
  // Set on the application, so that message boxes and every later window carry it too.
  QApplication::setWindowIcon(AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral(TS_APP_ID));
}

}  // namespace ui
