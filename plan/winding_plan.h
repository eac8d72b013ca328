#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "plan/layers.h"
#include "plan/settings.h"
#include "plan/wire_table.h"

namespace plan {

enum class Verdict { Fits, Tight, No, None, NoWire };

/// "fits", "tight", "no", "none", "no-wire".
std::string_view VerdictCode(Verdict v);

/// The verdict in Russian words, as the window shows it.
std::string_view VerdictText(Verdict v);

/// Fits up to 0.9, Tight up to 1, No above (a hand-wound winding bulges).
Verdict FillVerdict(double fill);

/// One winding as a finished run gives it.
struct WindingDemand {
  double voltage = 0;   ///< V: U1 for the primary, U2 for a secondary
  double current = 0;   ///< A at full load, unrounded: I1 for the primary, I2 for a secondary
  double turns = 0;     ///< W as shown
  double diameter = 0;  ///< bare diameter the current needs at the run's J, mm
};

/// The factor of the bare diameter a current needs: d = 1.13 · sqrt(I / J).
inline constexpr double kWireFactor = 1.13;

/// What a plan reads from the record of a run whose core fits.
struct PlanInput {
  std::int16_t form = 0;                ///< N: 1, 2 shell cores, 3 ring core
  double a = 0, b = 0, c = 0, h = 0;    ///< core dimensions, cm
  std::vector<WindingDemand> windings;  ///< primary first, then the secondaries in winding order
};

/// The primary current Pn / (cosFi · (kpd · U1)) before its label rounds it, A; call only
/// after a run whose core fits.
double PrimaryCurrent(const calc::CalculatorState& record);

/// Reads the record; call only after a run whose core fits.
PlanInput ReadRun(const calc::CalculatorState& record);

/// ReadRun into `out`, reusing its storage.
void ReadRun(const calc::CalculatorState& record, PlanInput& out);

/// How one winding is wound and what it costs.
struct WindingPlan {
  double bare = 0;                   ///< chosen bare diameter, mm
  double overall = 0;                ///< overall diameter over the enamel, mm
  bool own_wire = false;             ///< the user's own wire rather than a table size
  std::int64_t turns = 0;            ///< W
  std::int64_t turns_per_layer = 0;  ///< the first layer's capacity
  std::int64_t layers = 0;           ///< the last one may be partly filled
  double build = 0;                  ///< depth of the winding with its interlayers, mm
  double length_m = 0;               ///< wire length without leads, m
  double resistance = 0;             ///< at 20 °C, Ω
  double mass_g = 0;                 ///< copper mass, g
  double loss_w = 0;                 ///< copper loss at full load, W
  double drop_v = 0;                 ///< voltage drop at full load, V
  double current_density = 0;        ///< in the chosen wire, A/mm²
};

/// A winding plan; `windings` is empty for None, NoWire and a No whose layer holds no turn.
struct Plan {
  Verdict verdict = Verdict::None;
  double fill = 0;                    ///< depth over the window's width or the hole's radius
  double depth = 0;                   ///< depth taken from the window, mm
  std::optional<double> hole_left;    ///< ring core only: the hole that stays, mm across
  std::vector<WindingPlan> windings;  ///< in the order of the input's windings
};

/// The bounds a plan needs, in the order they are checked.
enum class Obstacle { Form, NoWindings, Dimensions, Voltage, Current, Turns, Diameter, Settings };

/// The first bound that the input or the settings miss; none when a plan can be made.
std::optional<Obstacle> FirstObstacle(const PlanInput& input, const Settings& settings);

/// Whether a plan can be made: core form, sizes, voltages, currents, turns and settings in range.
bool IsPlannable(const PlanInput& input, const Settings& settings);

/// The wire of winding `winding` (0 is the primary): the user's own wire when the settings
/// give one, else the table size its diameter needs; none above the table.
std::optional<Wire> PlannedWire(const PlanInput& input, const Settings& settings,
                                std::size_t winding);

/// Plans the windings into `out`, reusing its storage; verdict None when not IsPlannable.
void MakePlan(const PlanInput& input, const Settings& settings, Plan& out);

/// Refills the figures of `out`'s windings that follow their currents with `input`'s currents;
/// `out` is MakePlan's plan, with windings, of an input that differs from `input` only in its
/// currents, each above 0.
void CarryCurrents(const PlanInput& input, Plan& out);

/// A plan laid one winding at a time: after each Lay it is MakePlan's plan of the windings laid
/// so far, made without laying again the windings before the one laid.
class StackedPlan {
 public:
  /// Lays winding `j` of `input` on windings 0 … j − 1, laid by earlier calls and unchanged
  /// since: j = 0 starts over, j = the count laid adds a winding, a smaller j lays winding j
  /// again and drops those after it. False when the first j + 1 windings have no plan.
  bool Lay(const PlanInput& input, const Settings& settings, std::size_t j);

  /// MakePlan's plan of the first j + 1 windings of the last Lay, to read or to take.
  Plan& plan() { return plan_; }

 private:
  Plan plan_;
  std::vector<detail::Cursor> starts_;  ///< where each winding laid begins, then the next one
};

/// MakePlan into a new plan.
Plan MakePlan(const PlanInput& input, const Settings& settings);

}  // namespace plan
