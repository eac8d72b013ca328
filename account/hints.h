#pragma once

#include <string>
#include <vector>

#include "account/planned.h"

namespace account {

/// For each winding of the run's plan: the wire it winds, the standard one or the user's own,
/// bare and over its enamel; empty without a plan.
std::vector<std::string> WireWords(const Planned& planned);

/// What the check of the run's turns says at the bench, for the verdict's hint; empty without
/// a check.
std::string CalculatedCheckWords(const Planned& planned);

}  // namespace account
