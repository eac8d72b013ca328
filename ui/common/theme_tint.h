#pragma once

#include <QColor>

namespace ui {

/// `hue` mixed into a theme's own colour `base`: pale on a light theme, dark on a dark one, so
/// the theme's text colour stays readable on it.
QColor Tinted(const QColor& base, const QColor& hue);

}  // namespace ui
