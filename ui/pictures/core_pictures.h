#pragma once

#include <QPixmap>

namespace ui {

/// Logical size of every core-form picture, in pixels.
inline constexpr int kPictureWidth = 220;
inline constexpr int kPictureHeight = 180;

/// The drawing of core form `form` (1, 2 or 3), rendered for `devicePixelRatio`; any other
/// form gives a blank white picture of the same size.
QPixmap CorePicture(int form, qreal devicePixelRatio);

}  // namespace ui
