#pragma once

#include <array>
#include <string>
#include <string_view>

#include "account/planned.h"
#include "account/press.h"
#include "batch/options.h"
#include "calc/calculator.h"
#include "windings/design_check.h"

namespace batch {

/// Fields of one input line; a line with more than nine is refused.
constexpr std::size_t kFieldCount = 9;

/// What an input line is to the tool.
enum class LineKind { Run, Skip, TooManyFields };

/// Sorts a line (its end and a trailing CR already dropped) and splits a run's fields;
/// missing trailing fields stay empty.
LineKind SplitLine(std::string_view line, calc::InputTexts& fields);

/// Appends the line that names the columns of `columns`, in Russian with units.
void AppendHeader(const Columns& columns, std::string& out);

/// Consecutive runs on one calculator record, as clicks of Calculate in one window session.
class Session {
 public:
  explicit Session(const Columns& columns = {}) : columns_(columns) {}

  /// Runs one line's fields and appends the sixteen label texts, the outcome and the further
  /// columns asked for (notes, plan, check), TAB-separated, with a line end.
  void Run(const calc::InputTexts& fields, std::string& out);

  /// Runs one line's fields and appends its JSON object and a line end; with `request`, the
  /// design of all the windings it asks for too.
  void RunJson(const calc::InputTexts& fields, const windings::Request* request, std::string& out);

 private:
  // Plans and checks the last press as the columns ask.
  void PlanAndCheck();

  // The plan's and the check's fields of the last press.
  void AppendPlanAndCheck(std::string& out);

  Columns columns_;
  account::Calculator calculator_;
  account::Planned planned_;
  windings::Outcome several_;
};

}  // namespace batch
