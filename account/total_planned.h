#pragma once

#include <string_view>

#include "account/planned.h"
#include "account/settings.h"
#include "windings/design_check.h"

namespace account {

/// The design of all windings as the faces show a plan and its check: the plan of the turns as
/// sized, the check of those and of the refined turns; no plan unless the run for all windings
/// fits. `refusal` blanks the figures while a setting as typed is refused.
Planned TotalPlanned(const windings::Outcome& outcome, const Settings& settings,
                     std::string_view refusal);

}  // namespace account
