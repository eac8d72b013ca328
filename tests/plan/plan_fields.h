#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

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
    if (text[i] != '9') {
      ++text[i];
      up = false;
    } else {
      text[i] = '0';
    }
  }
  if (up) text = std::string(1, '1') + text;
  return value < 0 ? "-" + text : text;
}

inline std::string Shown(std::int64_t value) { return std::to_string(value); }

/// A winding's eleven figures as the batch tool shows them.
inline std::vector<std::string> WindingFields(const WindingPlan& w) {
  return {Shown(w.bare, 3),   Shown(w.overall, 3),  Shown(w.turns_per_layer),   Shown(w.layers),
          Shown(w.build, 2),  Shown(w.length_m, 2), Shown(w.resistance, 3),     Shown(w.mass_g, 1),
          Shown(w.loss_w, 3), Shown(w.drop_v, 3),   Shown(w.current_density, 2)};
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

}  // namespace plan
