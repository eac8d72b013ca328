#pragma once

#include <array>

#include <QKeySequence>
#include <QString>

#include "calc/calculator.h"
#include "plan/settings.h"

namespace ui {

/// For D1 and D2 after a run whose core fits: the wire the plan winds under `settings`, the
/// standard one or the user's own, bare and over its enamel; empty when the run gives none.
std::array<QString, 2> WireHints(const calc::CalculatorState& record, bool fits,
                                 const plan::Settings& settings);

/// How to open the plan from the verdict: the menu item and its shortcut `keys`.
QString VerdictHint(const QKeySequence& keys);

}  // namespace ui
