#pragma once

#include <string>
#include <string_view>

#include "account/planned.h"
#include "account/press.h"

namespace account {

/// The caption the run's notes are copied and printed under.
inline constexpr std::string_view kNotesCaption = "Замечания к расчету";

/// The run's notes and then `more` (when given), one «Замечания к расчету<TAB>sentence» line
/// each, or one line saying «нет».
std::string NotesText(const Press& press, std::string_view more = {});

/// The nine inputs and sixteen results of a press, one «caption<TAB>value» line each: ready to
/// paste into a spreadsheet or a message. After a press, its notes and the marks of its turns
/// (TurnMarkWords); after a fault, only the results the press wrote, and a last line with the
/// fault.
std::string ResultsText(const Press& press, std::string_view turn_marks);

/// `text` as every face copies and prints it: after the design's line giving Pt and a line
/// break while it is the design of all windings.
std::string Led(const Planned& planned, std::string text);

/// The check of both designs as TAB-separated lines with its verdicts, or why there is none;
/// led (Led).
std::string CheckText(const Planned& planned);

/// The plan as TAB-separated lines: the turns it is for, verdict, fill, the windings' figures a
/// column each, the check of both designs, the settings, the run's notes and the plan's note;
/// led (Led).
std::string PlanText(const Press& press, const Planned& planned);

}  // namespace account
