#include "ui/common/theme_tint.h"

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

}  // namespace ui
