#pragma once

#include <string>

namespace account {

/// A number with `decimals` decimals as every face shows it: ".", half away from zero.
std::string FigureText(double x, int decimals);

}  // namespace account
