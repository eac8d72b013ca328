#pragma once

#include <QString>

namespace ui {

/// A number with `decimals` decimals as the batch tool writes it: ".", half away from zero.
QString Figure(double x, int decimals);

}  // namespace ui
