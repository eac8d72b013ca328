#pragma once

#include <QIcon>

namespace ui {

/// The program's icon, drawn from its embedded SVG at the sizes a window announces.
QIcon AppIcon();

}  // namespace ui
