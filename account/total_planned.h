#pragma once

#include <string_view>

#include "account/planned.h"
#include "account/settings.h"
#include "windings/design_check.h"

namespace account {

/// The design of all windings as the faces show a plan and its check: the plan of the
/// `preferred` turns when there are such, else of the turns as sized, the check of both, said
/// with the line giving Pt; no plan unless the run for all windings fits, and then why.
/// `refusal` blanks the figures while a setting as typed is refused.
Planned TotalPlanned(const windings::Outcome& outcome, const Settings& settings,
                     std::string_view refusal, Turns preferred);

}  // namespace account
