#pragma once

#include <array>
#include <vector>

#include <QString>
#include <QStringList>

#include "ui/plan_window/planned_run.h"

namespace ui {

/// One line of the check: caption with the unit, the value for the run's turns and for the
/// refined ones, and whether each value is what a flag is raised for.
struct CheckRow {
  QString caption;
  std::array<QString, 2> values;
  std::array<bool, 2> flagged{};
};

/// The headings of the check's two columns: the run's turns, the refined ones.
extern const std::array<QString, 2> kCheckHeadings;

/// The check of both designs, from the turns to the plan's fill; the refined column is empty
/// without refined turns. `planned` has a check.
std::vector<CheckRow> CheckRows(const PlannedRun& planned);

/// For each design in the columns' order: its heading and what its flags mean at the bench, or
/// that it raises none; the refined design's line says why there are no refined turns.
QStringList CheckVerdicts(const PlannedRun& planned);

/// Whether a design checked raises a flag.
bool AnyFlag(const PlannedRun& planned);

}  // namespace ui
