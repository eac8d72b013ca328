#pragma once

class QWidget;

namespace ui {

/// Start-up benchmarks (bench/startup.sh) set TS_EXIT_AFTER_FIRST_PAINT=1: the program then
/// prints "first-paint <nanoseconds since the epoch>" once `window` has first painted, and
/// ends. Without the variable this does nothing.
void ExitAfterFirstPaintIfAsked(QWidget& window);

}  // namespace ui
