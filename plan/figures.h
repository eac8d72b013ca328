#pragma once

#include <array>
#include <string_view>

#include "plan/winding_plan.h"

namespace plan {

/// One figure of a winding as every reader of a plan shows it: name with unit, decimals.
struct WindingFigure {
  std::string_view name;
  int decimals;  ///< rounded half away from zero from the double's exact value
  double (*value)(const WindingPlan&);
};

/// The eleven figures of a winding, from the wire to the current density, in the batch tool's
/// column order.
extern const std::array<WindingFigure, 11> kWindingFigures;

/// Decimals of the figures of the whole plan: fill in percent, depth, the ring's hole left.
inline constexpr int kFillDecimals = 1;
inline constexpr int kDepthDecimals = 2;
inline constexpr int kHoleDecimals = 1;

}  // namespace plan
