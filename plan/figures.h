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

/// The primary and the secondary as every reader of a plan names them: «1-я обмотка» ….
inline constexpr std::array<std::string_view, 2> kWindingNames{"1-я обмотка", "2-я обмотка"};

/// Decimals of the figures of the whole plan: fill in percent, depth, the ring's hole left.
inline constexpr int kFillDecimals = 1;
inline constexpr int kDepthDecimals = 2;
inline constexpr int kHoleDecimals = 1;

}  // namespace plan
