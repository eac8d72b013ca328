#include "batch/batch_session.h"

#include <optional>

#include "batch/check_columns.h"
#include "batch/plan_columns.h"
#include "calc/run_notes.h"
#include "values/fault.h"

namespace batch {

namespace {

std::string_view StatusKeyword(std::optional<values::FaultKind> fault) {
  if (!fault) return "ok";
  switch (*fault) {
    case values::FaultKind::Overflow:
      return "overflow";
    case values::FaultKind::DivisionByZero:
      return "division-by-zero";
    case values::FaultKind::InvalidArgument:
      return "invalid-argument";
    case values::FaultKind::TypeMismatch:
      return "type-mismatch";
  }
  return "ok";
}

}  // namespace

LineKind SplitLine(std::string_view line, calc::InputTexts& fields) {
  if (line.empty() || line.front() == '#') return LineKind::Skip;
  fields = {};
  std::size_t index = 0;
  while (true) {
    const std::size_t tab = line.find('\t');
    if (index == kFieldCount) return LineKind::TooManyFields;
    fields[index++] = line.substr(0, tab);
    if (tab == std::string_view::npos) return LineKind::Run;
    line.remove_prefix(tab + 1);
  }
}

void AppendHeader(const Columns& columns, std::string& out) {
  for (std::string_view caption : calc::kResultCaptions) {
    out += calc::WithoutLeader(caption);
    out += '\t';
  }
  out += "Исход расчета";
  if (columns.notes) out += "\tЗамечания к расчету";
  if (columns.plan) AppendPlanHeader(out);
  if (columns.check) AppendCheckHeader(out);
  out += '\n';
}

void Session::Run(const calc::InputTexts& fields, std::string& out) {
  std::optional<values::FaultKind> fault;
  calc::RunTrace trace;
  try {
    // A run whose notes, plan and check nobody reads keeps no trace.
    if (columns_.notes || columns_.plan || columns_.check) {
      calc::CalculateDesign(state_, fields, labels_, trace);
    } else {
      calc::CalculateDesign(state_, fields, labels_);
    }
  } catch (const values::Fault& f) {
    fault = f.kind();
  }
  for (int i = 0; i < calc::kResultLabelCount; ++i) {
    out += labels_.text(i);
    out += '\t';
  }
  out += StatusKeyword(fault);
  if (columns_.notes) {
    out += '\t';
    calc::AppendCodes(calc::NotesOfRun(fields, state_, trace), out);
  }
  if (columns_.plan || columns_.check) AppendPlanAndCheck(!fault && trace.fits, out);
  out += '\n';
}

void Session::AppendPlanAndCheck(bool fits, std::string& out) {
  if (fits) {
    check::ReadRun(state_, check_input_);
    plan::MakePlan(check_input_.run, columns_.plan_settings, plan_);
  }
  if (columns_.plan) AppendPlanFields(fits ? &plan_ : nullptr, out);
  if (!columns_.check) return;
  if (fits) {
    check::MakeCheck(check_input_, plan_, columns_.plan_settings, columns_.check_settings, check_);
  }
  AppendCheckFields(fits ? &check_ : nullptr, out);
}

}  // namespace batch
