#pragma once

#include <QString>

#include "ui/plan_window/planned_run.h"

namespace ui {

/// The plan as lines of TAB-separated text: verdict, fill, the windings' figures in two columns,
/// the settings and the note.
QString PlanText(const PlannedRun& planned);

}  // namespace ui
