#pragma once

#include <optional>
#include <span>
#include <vector>

#include "plan/settings.h"
#include "plan/winding_plan.h"
#include "windings/kinds.h"

namespace windings {

/// The 20 °C resistances of the two halves of a centre-tapped winding, Ω.
struct Halves {
  double inner = 0;  ///< Ra: turns 1 … W/2, laid first
  double outer = 0;  ///< Rb: turns W/2 + 1 … W
};

/// The plan of all windings, primary innermost, then the secondaries as listed.
struct DesignPlan {
  plan::PlanInput input;  ///< the windings as planned: turns, the currents their wires are for
  plan::Plan plan;
  std::vector<std::optional<Halves>> halves;  ///< per secondary; a centre tap's when planned
};

/// Plans `input` (primary, then one winding per kind of `kinds`) into `out`.
void PlanDesign(const plan::PlanInput& input, std::span<const Kind> kinds,
                const plan::Settings& settings, DesignPlan& out);

}  // namespace windings
