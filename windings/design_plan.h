#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "plan/settings.h"
#include "plan/winding_plan.h"
#include "windings/design.h"
#include "windings/kinds.h"

namespace windings {

/// The 20 °C resistances of the two halves of a centre-tapped winding, Ω.
struct Halves {
  double inner = 0;  ///< Ra: turns 1 … W/2, laid first
  double outer = 0;  ///< Rb: turns W/2 + 1 … W
};

/// Where a centre tap lies: the layer in which turn W/2 ends and that layer's middle.
struct TapPlace {
  std::int64_t turn = 0;   ///< the tap follows this turn, W/2
  std::int64_t layer = 0;  ///< from 1 at the core
  double depth = 0;        ///< mm from the core's surface (the ring's wall)
};

/// The plan of all windings, primary innermost, then the secondaries as listed.
struct DesignPlan {
  plan::PlanInput input;  ///< the windings as planned: turns, the currents their wires are for
  plan::Plan plan;
  std::vector<std::optional<Halves>> halves;  ///< per secondary; a centre tap's when planned
};

/// Plans `input` (primary, then one winding per secondary of `secondaries`) into `out`.
void PlanDesign(const plan::PlanInput& input, std::span<const SizedWinding> secondaries,
                const plan::Settings& settings, DesignPlan& out);

/// PlanDesign of `input` given `laid`, MakePlan's plan with windings of the same windings with
/// other currents: `laid` is taken and given `input`'s currents rather than laid again.
void PlanDesign(const plan::PlanInput& input, std::span<const SizedWinding> secondaries,
                const plan::Settings& settings, plan::Plan& laid, DesignPlan& out);

/// Where the centre tap of winding `j` (0 is the primary) of `plan` lies, `plan` laid out of
/// `input`'s core under `settings`; `plan` has windings.
TapPlace TapOf(const plan::PlanInput& input, const plan::Plan& plan, const plan::Settings& settings,
               std::size_t j);

}  // namespace windings
