#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "account/planned.h"
#include "plan/winding_plan.h"

namespace account {

/// One cell as every face shows it: a figure with its decimals or a word, and whether a flag
/// of the check marks it.
struct Cell {
  std::string text;
  bool flagged = false;
};

/// A caption with its unit and a cell for each column.
struct Row {
  std::string caption;
  std::vector<Cell> cells;
};

/// Rows under a heading for each column: the windings of a plan, or the designs of a check.
struct Table {
  std::vector<std::string> headings;
  std::vector<Row> rows;
};

/// A figure of the whole plan, or a setting: caption with the unit, and value.
struct Line {
  std::string caption;
  std::string value;
};

/// The windings of the described run, the primary and its one secondary: the batch tool's
/// columns are laid out for them.
inline constexpr std::size_t kDescribedWindings = 2;

/// The primary is winding 0, the secondaries follow: «1-я обмотка», «2-я обмотка» ….
std::string WindingName(std::size_t winding);

/// A column for each winding of `plan`, a row for each of its figures from the wire to the
/// current density; empty when the plan has no windings.
Table WindingTable(const plan::Plan& plan);

/// Fill, depth and, for the ring, the hole that stays; empty when the plan has no windings.
std::vector<Line> SummaryLines(const plan::Plan& plan);

/// The check of the run's turns and the refined ones side by side, from the turns to the plan's
/// fill, with the figures a flag is raised for marked and what the run and the settings ask
/// beside them; the refined column is empty without refined turns. Empty without a check.
Table CheckTable(const Planned& planned);

/// For each design in the check's columns: its heading and what its flags mean at the bench,
/// or that it raises none; the refined design's line says why there are no refined turns.
std::vector<std::string> CheckVerdicts(const Planned& planned);

/// The plan's and the check's settings as taken, with their units.
std::vector<Line> SettingLines(const Planned& planned);

/// The turns the plan shows, in words: «уточненные витки: W1 662, W2 40».
std::string TurnsWords(const Planned& planned);

/// One choice of turns as a switch offers it: «уточненных витков: W1 662, W2 40».
std::string TurnsChoice(const Planned& planned, Turns turns);

/// What the plan's figures include and leave out, and which standard the wires are from.
std::string PlanNote(const plan::Settings& settings);

}  // namespace account
