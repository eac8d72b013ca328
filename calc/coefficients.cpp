#include "calc/coefficients.h"

#include <algorithm>

namespace calc {

const std::array<CoefficientFacts, kCoefficientCount> kCoefficients{{
    {&KpdTable, &CalculatorState::kpd, "kpd", "КПД", "взят", "не задан"},
    {&CosFiTable, &CalculatorState::cosFi, "cosFi", "коэффициент мощности Cos(Fi)", "взят",
     "не задан"},
    {&BmaxTable, &CalculatorState::Bmax, "Bmax", "магнитная индукция Bmax", "взята", "не задана"},
    {&JTable, &CalculatorState::J, "J", "плотность тока J", "взята", "не задана"},
    {&KoTable, &CalculatorState::Ko, "Ko", "коэффициент заполнения окна", "взят", "не задан"},
    {&KsTable, &CalculatorState::Ks, "Ks", "коэффициент заполнения сталью", "взят", "не задан"},
    {&DU1Table, nullptr, "dU1", "падение напряжения в 1-й обмотке", "взято", "не задано"},
    {&DU2Table, nullptr, "dU2", "падение напряжения во 2-й обмотке", "взято", "не задано"},
}};

const DynamicValue* Kept(const CalculatorState& record, Coefficient c) {
  const auto kept = Facts(c).kept;
  return kept == nullptr ? nullptr : &(record.*kept);
}

bool KeyedByForm(Coefficient c) {
  const CoefficientTable& table = *Facts(c).table;
  return std::none_of(table.groups.begin(), table.groups.begin() + table.size,
                      [](const TableGroup& group) { return group.scope.every_form; });
}

}  // namespace calc
