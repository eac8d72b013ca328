#pragma once

#include <string>
#include <string_view>

namespace batch {

/// Whether a line holds only blanks, TABs and ";": an empty row of a sheet saved with ";".
bool IsEmptySheetRow(std::string_view line);

/// Writes into `out` the line a sheet saved with decimal commas means: ";" as TAB when the line
/// holds no TAB, every "," as "."; returns the separator the line had, TAB or ";".
char ToDecimalPoint(std::string_view line, std::string& out);

/// Rewrites `out` from `from` on, output fields that hold only numbers, verdicts and codes,
/// with decimal commas and `separator` between the fields.
void ToDecimalComma(std::string& out, std::size_t from, char separator);

}  // namespace batch
