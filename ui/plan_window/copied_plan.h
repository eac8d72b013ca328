#pragma once

#include <QString>

#include "ui/plan_window/planned_run.h"

namespace ui {

/// The plan as lines of TAB-separated text: the turns it is for, verdict, fill, the windings'
/// figures in two columns, the check of both designs, the settings, the run's notes and the
/// plan's note.
QString PlanText(const PlannedRun& planned);

}  // namespace ui
