#pragma once

#include <optional>

#include <QString>

#include "check/design_check.h"
#include "plan/settings.h"
#include "plan/winding_plan.h"
#include "ui/calculator_window/last_run.h"
#include "ui/common/window_settings.h"

namespace ui {

/// The turn counts a plan is made for: the run's, or the check's refined ones.
enum class Turns { Calculated, Refined };

/// A run with the plan and check made of it under the plan window's settings.
struct PlannedRun {
  RunView run;
  std::optional<plan::PlanInput> input;  ///< read from the record only when the core fits
  plan::Settings settings;
  plan::Plan plan;                               ///< of the turns shown
  std::optional<check::CheckInput> check_input;  ///< read with `input`
  check::Settings check_settings;
  plan::Plan calculated;            ///< of the run's turns
  check::Check check;               ///< of the run's turns and the refined ones
  Turns turns = Turns::Calculated;  ///< those `plan` is made for
  QString refusal;  ///< why a setting as typed is refused; while there is one, nothing is shown

  /// Whether there is a plan to show, draw, print and copy.
  bool HasPlan() const { return refusal.isEmpty() && !plan.windings.empty(); }
};

/// Reads `run` (its record only when the core fits), plans and checks it under `settings`, and
/// shows the `preferred` turns when there are such.
PlannedRun PlanRun(const RunView& run, const WindowSettings& settings, Turns preferred);

/// Plans and checks the same run again under accepted settings.
void Replan(PlannedRun& planned, const WindowSettings& settings, Turns preferred);

/// Blanks the plan and check while a setting is refused, `reason` saying which and why.
void Refuse(PlannedRun& planned, const QString& reason);

/// Whether the check gave refined turns with a plan that has windings.
bool HasRefined(const PlannedRun& planned);

/// The turns shown, in words: «уточненные витки: W1 662, W2 40».
QString TurnsText(const PlannedRun& planned);

/// Why there is no plan, in Russian; empty when there is one.
QString NoPlanReason(const PlannedRun& planned);

/// Why there is no check of the run's turns, in Russian; empty when there is one.
QString NoCheckReason(const PlannedRun& planned);

}  // namespace ui
