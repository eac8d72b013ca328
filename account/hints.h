#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "account/planned.h"

namespace account {

/// For each winding of the run's plan: the wire it winds, the standard one or the user's own,
/// bare and over its enamel; empty without a plan.
std::vector<std::string> WireWords(const Planned& planned);

/// What the check of the run's turns says at the bench, for the verdict's hint; empty without
/// a check.
std::string CalculatedCheckWords(const Planned& planned);

/// Where the window's user finds the check and the refined turns.
inline constexpr std::string_view kPlanWindowPlace = "окно «План намотки и проверка» (F4)";

/// Where the page's user finds them.
inline constexpr std::string_view kPagePlace = "раздел «Проверка расчета» ниже";

/// The marks of the turns as calculated: what the check finds when it says the flux is too high
/// or an output is off, the refined turns and `place`; empty when it says neither or there is
/// no check.
std::string TurnMarkWords(const Planned& planned, std::string_view place);

}  // namespace account
