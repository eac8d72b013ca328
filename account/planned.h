#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "account/press.h"
#include "account/settings.h"
#include "check/design_check.h"
#include "plan/winding_plan.h"

namespace account {

/// The turn counts a plan is made for: the run's, or the check's refined ones.
enum class Turns { Calculated, Refined };

/// A press planned and checked under the settings as taken: the plan of the turns shown, and
/// the check of the calculated and the refined turns.
struct Planned {
  End end = End::NotYet;                         ///< how the press ended
  std::optional<plan::PlanInput> input;          ///< read only when the core fits
  plan::Settings settings;                       ///< the plan's, as taken
  plan::Plan plan;                               ///< of the turns shown
  std::optional<check::CheckInput> check_input;  ///< read with `input`
  check::Settings check_settings;                ///< the check's, as taken
  plan::Plan calculated;                         ///< of the run's turns
  check::Check check;                            ///< of the run's turns and the refined ones
  Turns turns = Turns::Calculated;               ///< those `plan` is made for
  std::vector<std::size_t> tapped;  ///< windings with a centre tap (0 is the primary), ascending
  std::string refusal;  ///< why a setting as typed is refused; while there is one, nothing is shown
  std::string power_line;  ///< of the design of all windings, the line giving Pt it is said with
  std::string unmade;      ///< why the design of all windings is not made, when it is not

  /// Whether there is a plan to show, draw, print and copy.
  bool HasPlan() const { return refusal.empty() && !plan.windings.empty(); }
};

/// Takes the design of `press` (when its core fits) into `out`, with no plan yet.
void Follow(const Press& press, Planned& out);

/// Plans the run's turns under `settings`, reusing `out`'s storage.
void PlanCalculated(const Settings& settings, Planned& out);

/// Checks the plan of the run's turns and refines them; after PlanCalculated.
void CheckPlanned(Planned& out);

/// Shows the `preferred` turns when there are such, else the run's.
void ShowTurns(Turns preferred, Planned& out);

/// Follow, PlanCalculated, CheckPlanned and ShowTurns at once.
Planned PlanPress(const Press& press, const Settings& settings, Turns preferred);

/// Plans and checks the same press again under `settings`; `refusal` blanks the figures while a
/// setting as typed is refused.
void Replan(const Settings& settings, std::string_view refusal, Turns preferred, Planned& out);

/// Whether the check gave refined turns with a plan that has windings.
bool HasRefined(const Planned& planned);

/// Whether a design checked raises a flag.
bool AnyFlag(const Planned& planned);

}  // namespace account
