#pragma once

#include <QColor>

class QWidget;

namespace ui {

/// Amber, the colour of a warning on either theme once tinted.
inline const QColor kWarningHue(240, 160, 0);

/// `hue` mixed into a theme's own colour `base`: pale on a light theme, dark on a dark one, so
/// the theme's text colour stays readable on it.
QColor Tinted(const QColor& base, const QColor& hue);

/// Fills `widget` with its parent's theme colour tinted by `hue`, afresh each time.
void TintBackground(QWidget& widget, const QColor& hue);

}  // namespace ui
