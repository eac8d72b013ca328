#pragma once

#include <string>

#include "account/planned.h"
#include "account/press.h"
#include "batch/options.h"
#include "windings/design_check.h"

namespace batch {

/// What one run line gives, as its JSON object shows it.
struct RunResults {
  const account::Press& press;
  const account::Planned* planned;   ///< with --plan or --check, after the check when asked
  const windings::Outcome* several;  ///< with --secondaries
};

/// Appends the JSON object of one run and a line end: the labels and status, then the notes,
/// the plan, the check and the design of all windings that `columns` ask for.
void AppendJsonLine(const RunResults& results, const Columns& columns, std::string& out);

}  // namespace batch
