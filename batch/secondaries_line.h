#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "calc/calculator.h"
#include "windings/design.h"

namespace batch {

/// The most fields a line with secondaries may have: nine texts, the first kind, seven groups.
inline constexpr std::size_t kMaxSecondaryFields = 10 + 3 * (windings::kMaxSecondaries - 1);

/// A line's fields as `--secondaries` reads them.
struct SecondaryFields {
  std::size_t count = 0;  ///< how many the line has, also beyond the array
  std::array<std::string_view, kMaxSecondaryFields> fields;
};

/// Splits a line at its TABs, counting every field.
void SplitSecondaryFields(std::string_view line, SecondaryFields& out);

/// The nine texts of the described run: fields 1 … 9, missing ones empty.
calc::InputTexts RunTexts(const SecondaryFields& line);

/// The secondaries a line asks for, or why the line is refused, in Russian, after «FILE:LINE: ».
std::variant<windings::Request, std::string> ReadSecondaries(const SecondaryFields& line);

/// Whether a text is a number as a line with secondaries writes it, after trimming spaces and
/// tabs; the number is its nearest double.
bool ReadSecondaryNumber(std::string_view text, double& value);

}  // namespace batch
