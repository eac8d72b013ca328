#include "batch/plan_columns.h"

#include <cstddef>

#include "account/tables.h"
#include "plan/figures.h"
#include "values/number_text.h"

namespace batch {

namespace {

void AppendNumber(double x, int decimals, std::string& out) {
  out += '\t';
  values::AppendExactFixed(x, decimals, out);
}

void AppendEmpty(std::size_t fields, std::string& out) { out.append(fields, '\t'); }

constexpr std::size_t kWholePlanFields = 4;

std::size_t FieldCount() {
  return kWholePlanFields + account::kDescribedWindings * plan::kWindingFigures.size();
}

}  // namespace

void AppendPlanFields(const account::Planned& planned, std::string& out) {
  if (!planned.input) return AppendEmpty(FieldCount(), out);
  const plan::Plan& plan = planned.calculated;
  out += '\t';
  out += plan::VerdictCode(plan.verdict);
  if (plan.windings.empty()) return AppendEmpty(FieldCount() - 1, out);
  AppendNumber(plan.fill * 100, plan::kFillDecimals, out);
  AppendNumber(plan.depth, plan::kDepthDecimals, out);
  if (plan.hole_left) {
    AppendNumber(*plan.hole_left, plan::kHoleDecimals, out);
  } else {
    AppendEmpty(1, out);
  }
  for (const plan::WindingPlan& winding : plan.windings) {
    for (const plan::WindingFigure& figure : plan::kWindingFigures) {
      AppendNumber(figure.value(winding), figure.decimals, out);
    }
  }
}

void AppendPlanHeader(std::string& out) {
  out +=
      "\tПлан намотки: вывод\tЗаполнение окна, %\tГлубина намотки, мм\t"
      "Остающееся отверстие кольца, мм";
  for (std::size_t j = 0; j < account::kDescribedWindings; ++j) {
    const std::string winding = account::WindingName(j);
    for (const plan::WindingFigure& figure : plan::kWindingFigures) {
      out.append("\t").append(winding).append(": ").append(figure.name);
    }
  }
}

}  // namespace batch
