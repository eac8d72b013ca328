#pragma once

#include <QColor>

namespace ui {

/// Amber, the colour of a warning on either theme once tinted.
inline const QColor kWarningHue(240, 160, 0);

/// `hue` mixed into a theme's own colour `base`: pale on a light theme, dark on a dark one, so
/// the theme's text colour stays readable on it.
QColor Tinted(const QColor& base, const QColor& hue);

}  // namespace ui
