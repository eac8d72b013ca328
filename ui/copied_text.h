#pragma once

#include <cstddef>

#include <QString>

#include "ui/last_run.h"
#include "ui/planned_run.h"

namespace ui {

/// The caption of input field `field` (0 is Text1) without its run of full stops.
QString InputCaption(std::size_t field);

/// The caption of result `result` (0 is Label26) without its run of full stops.
QString ResultCaption(std::size_t result);

/// The nine inputs and sixteen results of a run, one «caption<TAB>value» line each, the captions
/// without their runs of full stops: ready to paste into a spreadsheet or a message.
QString ResultsText(const RunView& run);

/// The plan as lines of TAB-separated text: verdict, fill, the windings' figures in two columns,
/// the settings and the note.
QString PlanText(const PlannedRun& planned);

}  // namespace ui
