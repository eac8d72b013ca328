#pragma once

#include <string>

#include "account/planned.h"

namespace batch {

/// Appends the plan's fields, each after a TAB: verdict, fill, depth, hole left, then eleven for
/// each winding of the described design; all empty without a design whose core fits.
void AppendPlanFields(const account::Planned& planned, std::string& out);

/// Appends the names of the plan's fields, each after a TAB, in Russian with units.
void AppendPlanHeader(std::string& out);

}  // namespace batch
