#pragma once

#include <string>
#include <string_view>

#include "check/design_check.h"

namespace check {

/// What the check finds on flux-high or volts and the refined turns, then « — » `where`; else "".
std::string TurnMarkWords(const CheckInput& input, const Check& check, std::string_view where);

}  // namespace check
