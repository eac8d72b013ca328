#pragma once

#include <string>

#include "account/planned.h"

namespace account {

/// Why there is no plan, in Russian; empty when there is one.
std::string NoPlanReason(const Planned& planned);

/// Why there is no check of the run's turns, in Russian; empty when there is one.
std::string NoCheckReason(const Planned& planned);

/// Why there are no refined turns beside a check, in Russian; empty when there are.
std::string NoRefinedReason(const Planned& planned);

}  // namespace account
