#include "batch/plan_columns.h"

#include <array>
#include <string_view>

#include "values/number_text.h"

namespace batch {

namespace {

struct WindingColumn {
  std::string_view name;
  int decimals;
  double (*value)(const plan::WindingPlan&);
};

// clang-format off
constexpr std::array<WindingColumn, 11> kWindingColumns{{
    {"диаметр провода без изоляции, мм", 3, [](const plan::WindingPlan& w) { return w.bare; }},
    {"диаметр провода в изоляции, мм",   3, [](const plan::WindingPlan& w) { return w.overall; }},
    {"витков в слое",                    0, [](const plan::WindingPlan& w) { return static_cast<double>(w.turns_per_layer); }},
    {"слоев",                            0, [](const plan::WindingPlan& w) { return static_cast<double>(w.layers); }},
    {"толщина обмотки, мм",              2, [](const plan::WindingPlan& w) { return w.build; }},
    {"длина провода, м",                 2, [](const plan::WindingPlan& w) { return w.length_m; }},
    {"сопротивление при 20 °C, Ом",      3, [](const plan::WindingPlan& w) { return w.resistance; }},
    {"масса меди, г",                    1, [](const plan::WindingPlan& w) { return w.mass_g; }},
    {"потери в меди, Вт",                3, [](const plan::WindingPlan& w) { return w.loss_w; }},
    {"падение напряжения, В",            3, [](const plan::WindingPlan& w) { return w.drop_v; }},
    {"плотность тока, А/мм²",            2, [](const plan::WindingPlan& w) { return w.current_density; }},
}};
// clang-format on

constexpr std::array<std::string_view, kPlanWindings> kWindingNames{"1-я обмотка", "2-я обмотка"};

constexpr int kFillDecimals = 1;
constexpr int kDepthDecimals = 2;
constexpr int kHoleDecimals = 1;

void AppendNumber(double x, int decimals, std::string& out) {
  out += '\t';
  values::AppendExactFixed(x, decimals, out);
}

void AppendEmpty(int fields, std::string& out) {
  out.append(static_cast<std::size_t>(fields), '\t');
}

}  // namespace

void AppendPlanFields(const plan::Plan* plan, std::string& out) {
  constexpr int kFields = static_cast<int>(4 + kPlanWindings * kWindingColumns.size());
  if (plan == nullptr) return AppendEmpty(kFields, out);
  out += '\t';
  out += plan::VerdictCode(plan->verdict);
  if (plan->windings.empty()) return AppendEmpty(kFields - 1, out);
  AppendNumber(plan->fill * 100, kFillDecimals, out);
  AppendNumber(plan->depth, kDepthDecimals, out);
  if (plan->hole_left) {
    AppendNumber(*plan->hole_left, kHoleDecimals, out);
  } else {
    AppendEmpty(1, out);
  }
  for (std::size_t k = 0; k < kPlanWindings; ++k) {
    if (k >= plan->windings.size()) {
      AppendEmpty(static_cast<int>(kWindingColumns.size()), out);
      continue;
    }
    for (const WindingColumn& column : kWindingColumns) {
      AppendNumber(column.value(plan->windings[k]), column.decimals, out);
    }
  }
}

void AppendPlanHeader(std::string& out) {
  out +=
      "\tПлан намотки: вывод\tЗаполнение окна, %\tГлубина намотки, мм\t"
      "Остающееся отверстие кольца, мм";
  for (std::string_view winding : kWindingNames) {
    for (const WindingColumn& column : kWindingColumns) {
      out += '\t';
      out += winding;
      out += ": ";
      out += column.name;
    }
  }
}

}  // namespace batch
