#pragma once

#include <QStringList>

#include "ui/plan_window/planned_run.h"

namespace ui {

/// For each design of the check: its heading and what its flags mean at the bench, or why it
/// has no refined turns; empty without a check.
QStringList CheckVerdicts(const PlannedRun& planned);

}  // namespace ui
