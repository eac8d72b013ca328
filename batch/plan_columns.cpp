#include "batch/plan_columns.h"

#include <array>
#include <string_view>

#include "plan/figures.h"
#include "values/number_text.h"

namespace batch {

namespace {

void AppendNumber(double x, int decimals, std::string& out) {
  out += '\t';
  values::AppendExactFixed(x, decimals, out);
}

void AppendEmpty(int fields, std::string& out) {
  out.append(static_cast<std::size_t>(fields), '\t');
}

}  // namespace

void AppendPlanFields(const plan::Plan* plan, std::string& out) {
  constexpr int kFields = static_cast<int>(4 + kPlanWindings * plan::kWindingFigures.size());
  if (plan == nullptr) return AppendEmpty(kFields, out);
  out += '\t';
  out += plan::VerdictCode(plan->verdict);
  if (plan->windings.empty()) return AppendEmpty(kFields - 1, out);
  AppendNumber(plan->fill * 100, plan::kFillDecimals, out);
  AppendNumber(plan->depth, plan::kDepthDecimals, out);
  if (plan->hole_left) {
    AppendNumber(*plan->hole_left, plan::kHoleDecimals, out);
  } else {
    AppendEmpty(1, out);
  }
  for (std::size_t k = 0; k < kPlanWindings; ++k) {
    if (k >= plan->windings.size()) {
      AppendEmpty(static_cast<int>(plan::kWindingFigures.size()), out);
      continue;
    }
    for (const plan::WindingFigure& figure : plan::kWindingFigures) {
      AppendNumber(figure.value(plan->windings[k]), figure.decimals, out);
    }
  }
}

void AppendPlanHeader(std::string& out) {
  out +=
      "\tПлан намотки: вывод\tЗаполнение окна, %\tГлубина намотки, мм\t"
      "Остающееся отверстие кольца, мм";
  for (std::string_view winding : plan::kWindingNames) {
    for (const plan::WindingFigure& figure : plan::kWindingFigures) {
      out += '\t';
      out += winding;
      out += ": ";
      out += figure.name;
    }
  }
}

}  // namespace batch
