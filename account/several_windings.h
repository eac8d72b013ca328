#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "account/press.h"
#include "account/tables.h"
#include "windings/design_check.h"

namespace account {

/// The turns a design of all windings is shown with: as sized, or refined.
enum class WindingTurns { Sized, Refined };

/// A kind of secondary in the words a windings table offers: «мост, ёмкость».
std::string_view KindWords(windings::Kind kind);

/// The caption of a secondary's current column: «Iпост, А» for a rectifier kind, else «I, А».
std::string_view CurrentCaption(windings::Kind kind);

/// Whether secondary `k` (from 0) of `request`, its first U and I read from `texts`, is within
/// the bounds of a design: a face marks the cells of one that is not.
bool SecondaryInBounds(const calc::InputTexts& texts, const windings::Request& request,
                       std::size_t k);

/// Why the design of all windings has no plan, in Russian: a secondary out of bounds, a fault,
/// a core too small for all windings, a plan or check not made; empty when there is a check.
std::string DesignReason(const windings::Outcome& outcome);

/// The line a plan, sheet or copy of the design of all windings starts with, giving Pt:
/// «Расчет по всем обмоткам: 3 вторичные, мощность Pt = 82.6 Вт»; empty when out of bounds.
std::string PowerLine(const windings::Outcome& outcome);

/// A sentence for the main window's verdict tooltip when the core fits the described secondary
/// alone but not all windings; empty otherwise.
std::string AllWindingsFitNote(const Press& press, const windings::Outcome& outcome);

/// A column per secondary, rows from the kind to the turns and tap, then, with a check, the
/// voltages, imbalance, Udc and the winding's currents; the figures a flag is raised for marked.
/// Empty when the design has no windings.
Table SecondariesTable(const windings::Outcome& outcome, WindingTurns turns);

/// What each flag of a checked design of all windings means at the bench, one sentence a flag:
/// the core's flags, then each rectifier winding's rms-high and no-dc in words.
std::vector<std::string> DesignFlagSentences(const windings::Outcome& outcome,
                                             const check::Settings& settings, WindingTurns turns);

}  // namespace account
