#pragma once

#include <string>

#include "account/planned.h"

namespace batch {

/// Appends the check's 27 fields, each after a TAB; all empty without a design whose core fits.
/// After account::CheckPlanned.
void AppendCheckFields(const account::Planned& planned, std::string& out);

/// Appends the names of the check's fields, each after a TAB, in Russian with units.
void AppendCheckHeader(std::string& out);

}  // namespace batch
