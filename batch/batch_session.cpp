#include "batch/batch_session.h"

#include "batch/check_columns.h"
#include "batch/json_line.h"
#include "batch/plan_columns.h"
#include "calc/run_notes.h"

namespace batch {

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
  const bool planned = columns_.plan || columns_.check;
  const account::Press& press =
      calculator_.Calculate(fields, {.notes = columns_.notes, .design = planned});
  for (std::size_t i = 0; i < calc::kResultLabelCount; ++i) {
    out += press.labels.text(i);
    out += '\t';
  }
  out += account::StatusCode(press);
  if (columns_.notes) {
    out += '\t';
    calc::AppendCodes(press.notes, out);
  }
  if (planned) AppendPlanAndCheck(out);
  out += '\n';
}

void Session::RunJson(const calc::InputTexts& fields, const windings::Request* request,
                      std::string& out) {
  const bool planned = columns_.plan || columns_.check;
  const account::Parts parts{.notes = columns_.notes, .design = planned};
  const account::Press& press =
      request == nullptr
          ? calculator_.Calculate(fields, parts)
          : calculator_.CalculateAll(
                fields, parts, *request,
                {columns_.plan_settings, columns_.check_settings, columns_.rectifier}, several_);
  if (planned) PlanAndCheck();
  AppendJsonLine({press, planned ? &planned_ : nullptr, request ? &several_ : nullptr}, columns_,
                 out);
}

void Session::PlanAndCheck() {
  account::Follow(calculator_.press(), planned_);
  account::PlanCalculated({columns_.plan_settings, columns_.check_settings}, planned_);
  if (columns_.check) account::CheckPlanned(planned_);
}

void Session::AppendPlanAndCheck(std::string& out) {
  PlanAndCheck();
  if (columns_.plan) AppendPlanFields(planned_, out);
  if (columns_.check) AppendCheckFields(planned_, out);
}

}  // namespace batch
