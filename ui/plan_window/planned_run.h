#pragma once

#include <optional>

#include <QString>

#include "plan/settings.h"
#include "plan/winding_plan.h"
#include "ui/calculator_window/last_run.h"

namespace ui {

/// A run with the plan made of it under the plan window's settings.
struct PlannedRun {
  RunView run;
  std::optional<plan::PlanInput> input;  ///< read from the record only when the core fits
  plan::Settings settings;
  plan::Plan plan;

  /// Whether there is a plan to show, draw, print and copy.
  bool HasPlan() const { return !plan.windings.empty(); }
};

/// Reads `run` (its record only when the core fits) and plans it under `settings`.
PlannedRun PlanRun(const RunView& run, const plan::Settings& settings);

/// Plans the same run again under new settings.
void Replan(PlannedRun& planned, const plan::Settings& settings);

/// Why there is no plan, in Russian; empty when there is one.
QString NoPlanReason(const PlannedRun& planned);

}  // namespace ui
