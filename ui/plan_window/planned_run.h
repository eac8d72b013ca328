#pragma once

#include "account/planned.h"
#include "account/press.h"
#include "ui/calculator_window/last_run.h"
#include "ui/common/window_settings.h"
#include "windings/design_check.h"

namespace ui {

/// The turn counts a plan is made for: the run's, or the check's refined ones.
using account::Turns;

/// A press with the plan and check made of it under the plan window's settings, and the press's
/// texts as the window shows them.
struct PlannedRun : account::Planned {
  account::Press press;
  RunView run;
};

/// Plans and checks `press` under `settings`, showing the `preferred` turns when there are such;
/// `refusal`, while a setting as typed is refused, blanks the figures and says which and why.
PlannedRun PlanRun(const account::Press& press, const WindowSettings& settings,
                   const QString& refusal, Turns preferred);

/// Plans and checks the same press again.
void Replan(PlannedRun& planned, const WindowSettings& settings, const QString& refusal,
            Turns preferred);

/// The design of all windings of `outcome` as the window shows it in place of `described`'s:
/// under the same settings, with the same refusal and press texts, the `preferred` turns
/// when there are such.
PlannedRun TotalRun(const PlannedRun& described, const windings::Outcome& outcome, Turns preferred);

/// The turns shown, in words: «уточненные витки: W1 662, W2 40».
QString TurnsText(const PlannedRun& planned);

/// Why there is no plan, in Russian; empty when there is one.
QString NoPlanReason(const PlannedRun& planned);

/// Why there is no check of the run's turns, in Russian; empty when there is one.
QString NoCheckReason(const PlannedRun& planned);

}  // namespace ui
