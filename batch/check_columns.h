#pragma once

#include <string>

#include "check/design_check.h"

namespace batch {

/// Appends the check's 27 fields, each after a TAB; all empty without a check.
void AppendCheckFields(const check::Check* check, std::string& out);

/// Appends the names of the check's fields, each after a TAB, in Russian with units.
void AppendCheckHeader(std::string& out);

}  // namespace batch
