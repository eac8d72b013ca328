#pragma once

#include <array>
#include <vector>

#include <QString>

#include "plan/settings.h"
#include "plan/winding_plan.h"

namespace ui {

/// One figure of the windings: its caption with the unit, and its value for each winding.
struct WindingRow {
  QString caption;
  std::array<QString, 2> values;
};

/// One figure of the whole plan or one setting: caption with the unit, and value.
struct PlanLine {
  QString caption;
  QString value;
};

/// The headings of the two windings' columns.
extern const std::array<QString, 2> kWindingHeadings;

/// The figures of both windings, from the wire to the current density; `plan` has windings.
std::vector<WindingRow> WindingRows(const plan::Plan& plan);

/// Fill, depth and, for the ring, the hole that stays; `plan` has windings.
std::vector<PlanLine> SummaryLines(const plan::Plan& plan);

/// The value a setting holds as the user types it: "1", "0.05"; empty for an own wire not set.
QString SettingValueText(const plan::Settings& settings, plan::Setting which);

/// The settings with their units; an own wire that is not set reads «стандартный провод».
std::vector<PlanLine> SettingLines(const plan::Settings& settings);

/// What the figures include and leave out, and which standard the wires are from.
QString PlanNote(const plan::Settings& settings);

}  // namespace ui
