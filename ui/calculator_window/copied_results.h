#pragma once

#include <cstddef>

#include <QString>

#include "ui/calculator_window/last_run.h"

namespace ui {

/// One copied line: «caption<TAB>value» and a line end.
QString CopiedLine(const QString& caption, const QString& value);

/// The caption of input field `field` (0 is Text1) without its run of full stops.
QString InputCaption(std::size_t field);

/// The caption of result `result` (0 is Label26) without its run of full stops.
QString ResultCaption(std::size_t result);

/// The nine inputs and sixteen results of a run, one «caption<TAB>value» line each, the captions
/// without their runs of full stops: ready to paste into a spreadsheet or a message. After a
/// fault, the results the run wrote and a last line with the fault.
QString ResultsText(const RunView& run);

}  // namespace ui
