#pragma once

#include <string>
#include <string_view>

#include "calc/calculator.h"

namespace batch {

/// Run lines that are probably not what the user meant, told once per file and kind: a table
/// saved with another separator, a decimal comma, a header row, a line of blanks and TABs.
class LineWarnings {
 public:
  /// Each warning starts with `program`, then names `file` and the line. With `decimal_comma`
  /// the lines are a sheet's saved with decimal commas and ";" (--decimal-comma), `fields`
  /// already read with the point.
  LineWarnings(std::string_view program, std::string_view file, bool decimal_comma = false)
      : program_(program), file_(file), decimal_comma_(decimal_comma) {}

  /// Appends to `out`, a line each, the warnings that run line `number` (`line` split into
  /// `fields`) is the first of in this file.
  void Check(long long number, std::string_view line, const calc::InputTexts& fields,
             std::string& out);

 private:
  std::string_view program_;
  std::string_view file_;
  bool decimal_comma_;
  unsigned told_ = 0;  // a bit per kind already told
};

/// No field with a leading number, and more than blanks: a spreadsheet's header row.
bool IsHeaderRow(std::string_view line, const calc::InputTexts& fields);

}  // namespace batch
