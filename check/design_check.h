#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "check/settings.h"
#include "plan/settings.h"
#include "plan/winding_plan.h"

namespace check {

/// What a check reads from the record of a run whose core fits.
struct CheckInput {
  plan::PlanInput run;  ///< the plan's input: core, windings with the unrounded primary current
  double bmax = 0;      ///< flux density the table meant, T
  double ks = 0;        ///< steel fill factor of the core
};

/// Reads the record; call only after a run whose core fits.
CheckInput ReadRun(const calc::CalculatorState& record);

/// ReadRun into `out`, reusing its storage.
void ReadRun(const calc::CalculatorState& record, CheckInput& out);

/// A flag a check raises, in the order the verdict lists them.
enum class Flag { FluxHigh, Hot, Volts };

inline constexpr std::array kAllFlags{Flag::FluxHigh, Flag::Hot, Flag::Volts};

/// The flags a design raises, indexed by Flag.
using Flags = std::array<bool, kAllFlags.size()>;

/// "flux-high", "hot", "volts".
std::string_view FlagCode(Flag flag);

/// The verdict of a check that cannot be made, as the batch tool writes it.
inline constexpr std::string_view kNoneCode = "none";

/// What one secondary gives.
struct OutputCheck {
  double no_load = 0;                ///< U0, V
  double full_load = 0;              ///< UL at full load and the winding temperature, V
  std::optional<double> regulation;  ///< (U0 − UL) / UL, %; none when UL < 0.01 · U0
  double deviation = 0;              ///< (UL − U2) / U2, %
  bool volts_off = false;            ///< UL is more than 5 % and one turn's volts from U2
};

/// The wound transformer's outline, mm, with the winding depth the same on every face.
struct Outline {
  double x = 0;             ///< width; the ring's outer diameter
  std::optional<double> y;  ///< height of a shell core; none for the ring
  double z = 0;             ///< depth; the ring's height
};

/// What one design, turn counts with their plan, does on the bench.
struct DesignCheck {
  double net_section = 0;            ///< Sn, cm²
  double flux_density = 0;           ///< B0 at no load, T
  double steel_mass_g = 0;           ///< g
  double core_loss_w = 0;            ///< P_fe, W
  Outline outline;                   ///< mm
  double surface_cm2 = 0;            ///< cooling surface A, cm²
  double temperature = 0;            ///< winding temperature Tw at full load, °C
  double copper_loss_w = 0;          ///< P_cu at Tw, W
  std::vector<OutputCheck> outputs;  ///< one per secondary, in winding order
  std::optional<double> efficiency;  ///< %; none when an output's UL ≤ 0
  double total_mass_g = 0;           ///< steel and copper, g
  Flags flags{};                     ///< what the bench will show

  /// Whether no flag is raised.
  bool ok() const;
};

/// Appends "ok" or the codes of the raised flags separated by one blank.
void AppendVerdict(const DesignCheck& design, std::string& out);

/// Turns that keep B0 at the refine flux (the table's Bmax when it is empty) and give at least U2
/// at full load at the limit temperature, with the same wires, planned and checked.
struct Refined {
  std::optional<double> exact_primary;  ///< W1r before rounding up
  std::vector<std::int64_t> turns;      ///< W1r then W2r; W1r alone, or none, without refined turns
  std::optional<double> emf;            ///< E = U1 − I1 · R1r · kL, V
  std::optional<std::int64_t> first_secondary;  ///< W2r's first try, ceil(W1r · U2 / E)
  plan::Plan plan;                   ///< verdict Fits, Tight, No or None; windings when refined
  std::optional<DesignCheck> check;  ///< the refined design; none without refined turns
};

/// The run with the turns a search for refined turns tries, and the plan of its windings laid so
/// far; kept from one search to the next only for its storage.
struct TurnTrial {
  plan::PlanInput run;
  plan::StackedPlan stack;
};

/// A run's check: the turns as calculated and the refined ones.
struct Check {
  std::optional<DesignCheck> calculated;  ///< none: the check's verdict is `none`
  Refined refined;                        ///< empty when `calculated` is none
  TurnTrial trial;                        ///< the refined turns' search storage, not a result
};

/// Why a check is not made, in the order the bounds are tested: a plan without figures, a core
/// side under 0.1 cm, U1 or U2 outside 0.001 … 1,000,000 V, I1 or I2 above 1,000,000 A, Bmax or
/// Ks not above 0, a setting out of range.
enum class Obstacle { NoPlan, Dimensions, Voltage, Current, Steel, Settings };

/// The first bound the run, its plan or the settings miss; none when a check can be made.
std::optional<Obstacle> FirstObstacle(const CheckInput& input, const plan::Plan& plan,
                                      const Settings& settings);

/// What the design planned as `plan` (from input.run) does; call only without an obstacle.
DesignCheck CheckDesign(const CheckInput& input, const plan::Plan& plan, const Settings& settings);

/// The same with the copper loss at 20 °C given: windings whose heating current is not the one
/// their output voltage is computed with.
DesignCheck CheckDesign(const CheckInput& input, const plan::Plan& plan, const Settings& settings,
                        double copper_loss_20);

/// The same into `out`, reusing its storage.
void CheckDesign(const CheckInput& input, const plan::Plan& plan, const Settings& settings,
                 double copper_loss_20, DesignCheck& out);

/// I1² · R1 + I2² · R2 + …: the copper loss at 20 °C with the input's currents.
double CopperLossAt20(const plan::PlanInput& run, const plan::Plan& plan);

/// Refined turns without their check (out.check is left as it is), each secondary's a multiple of
/// its `steps` entry (1, or 2 for a winding tapped at its middle); steps beyond the list are 1.
void RefineTurns(const CheckInput& input, const plan::Settings& plan_settings,
                 const Settings& settings, std::span<const int> steps, Refined& out);

/// RefineTurns searching in `trial`, whatever an earlier search left in it.
void RefineTurns(const CheckInput& input, const plan::Settings& plan_settings,
                 const Settings& settings, std::span<const int> steps, TurnTrial& trial,
                 Refined& out);

/// The check in `check`, made anew or over the last one's storage.
DesignCheck& Reused(std::optional<DesignCheck>& check);

/// Checks the run's plan, made from input.run with `plan_settings`, and refines its turns into
/// `out`, reusing its storage.
void MakeCheck(const CheckInput& input, const plan::Plan& plan, const plan::Settings& plan_settings,
               const Settings& settings, Check& out);

/// MakeCheck into a new check.
Check MakeCheck(const CheckInput& input, const plan::Plan& plan,
                const plan::Settings& plan_settings, const Settings& settings);

}  // namespace check
