#include "ui/common/theme_tint.h"

#include <QWidget>

namespace ui {

namespace {

constexpr double kHueShare = 0.35;

}  // namespace

QColor Tinted(const QColor& base, const QColor& hue) {
  const auto mix = [](int from, int to) {
    return static_cast<int>(from + (to - from) * kHueShare + 0.5);
  };
  return QColor(mix(base.red(), hue.red()), mix(base.green(), hue.green()),
                mix(base.blue(), hue.blue()));
}

void TintBackground(QWidget& widget, const QColor& hue) {
  QPalette colours = widget.parentWidget()->palette();
  colours.setColor(QPalette::Window, Tinted(colours.color(QPalette::Window), hue));
  widget.setPalette(colours);
}

}  // namespace ui
