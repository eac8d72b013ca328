#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "plan/winding_plan.h"

namespace plan {

/// `value` with `decimals` decimals, rounded half away from zero from the double's exact value
/// (3.635 is 3.63499… and shows as 3.63), as the batch tool writes it.
inline std::string Shown(double value, int decimals) {
  // Every double's decimal expansion ends within 1074 places, so this is exact.
  std::vector<char> exact(1400);
  std::snprintf(exact.data(), exact.size(), "%.1100f", std::fabs(value));
  std::string text(exact.data());
  const std::size_t point = text.find('.');
  bool up = text[point + 1 + decimals] >= '5';
  text.resize(decimals == 0 ? point : point + 1 + decimals);
  for (std::size_t i = text.size(); up && i-- > 0;) {
    if (text[i] == '.') continue;
    up = text[i] == '9';
    text[i] = up ? '0' : static_cast<char>(text[i] + 1);
  }
  if (up) text = std::string(1, '1') + text;
  return value < 0 ? "-" + text : text;
}

/// A winding's eleven figures as the batch tool shows them.
inline std::vector<std::string> WindingFields(const WindingPlan& w) {
  return {Shown(w.bare, 3),         Shown(w.overall, 3),        std::to_string(w.turns_per_layer),
          std::to_string(w.layers), Shown(w.build, 2),          Shown(w.length_m, 2),
          Shown(w.resistance, 3),   Shown(w.mass_g, 1),         Shown(w.loss_w, 3),
          Shown(w.drop_v, 3),       Shown(w.current_density, 2)};
}

/// The batch tool's 26 plan fields: verdict, fill %, depth, hole left, then two windings.
inline std::vector<std::string> PlanFields(const Plan& plan) {
  std::vector<std::string> fields(26);
  fields[0] = VerdictCode(plan.verdict);
  if (plan.windings.empty()) return fields;
  fields[1] = Shown(plan.fill * 100, 1);
  fields[2] = Shown(plan.depth, 2);
  if (plan.hole_left) fields[3] = Shown(*plan.hole_left, 1);
  for (std::size_t j = 0; j < 2 && j < plan.windings.size(); ++j) {
    const std::vector<std::string> winding = WindingFields(plan.windings[j]);
    std::copy(winding.begin(), winding.end(), fields.begin() + 4 + 11 * j);
  }
  return fields;
}

/// Remembers only whether the run's core fitted.
class FitWatch final : public calc::ResultDisplay {
 public:
  bool fit = false;

  void ClearResults() override { fit = false; }
  void ShowLoadPower(const calc::DynamicValue&) override {}
  void ShowCoreFigures(const calc::DynamicValue&, const calc::DynamicValue&,
                       const calc::DynamicValue&, const calc::DynamicValue&,
                       const calc::DynamicValue&, const calc::DynamicValue&) override {}
  void ShowNotFit() override {}
  void ShowFit(const calc::DynamicValue&, const calc::DynamicValue&) override { fit = true; }
  void ShowWindings(const calc::DynamicValue&, const calc::DynamicValue&, const calc::DynamicValue&,
                    const calc::DynamicValue&, const calc::DynamicValue&,
                    const calc::DynamicValue&) override {}
};

}  // namespace plan
