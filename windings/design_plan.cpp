#include "windings/design_plan.h"

#include <cstddef>
#include <utility>

#include "calc/calculator.h"
#include "plan/layers.h"

namespace windings {

namespace {

// Where secondary `j` starts: its first layer's distance from the core, mm.
double Offset(const plan::Plan& plan, const plan::Settings& settings, std::size_t j) {
  double offset = settings.bobbin;
  for (std::size_t i = 0; i < j; ++i) offset += plan.windings[i].build + settings.between;
  return offset;
}

// The first `turns` turns of winding `j`, laid as the plan laid it.
plan::detail::Layers FirstTurns(const plan::PlanInput& input, const plan::Plan& plan,
                                const plan::Settings& settings, std::size_t j, std::int64_t turns) {
  const plan::WindingPlan& winding = plan.windings[j];
  const plan::detail::LayerGeometry geometry{turns, winding.overall, settings.interlayer,
                                             2 * (10 * input.a + 10 * input.b)};
  const double offset = Offset(plan, settings, j);
  if (calc::IsShellCore(input.form)) {
    return *plan::detail::ShellLayers(geometry, 10 * input.h - 2 * settings.bobbin, offset);
  }
  const double hole_radius = 5 * input.c;
  double free_radius = hole_radius - offset;
  return *plan::detail::RingLayers(geometry, hole_radius, free_radius);
}

// The halves share the winding's wire, so they share its resistance as they share its length.
Halves HalvesOf(const plan::PlanInput& input, const plan::Plan& plan,
                const plan::Settings& settings, std::size_t j) {
  const plan::WindingPlan& winding = plan.windings[j];
  const double inner_mm = FirstTurns(input, plan, settings, j, winding.turns / 2).length_mm;
  const double inner = winding.resistance * (inner_mm / (winding.length_m * 1000));
  return {inner, winding.resistance - inner};
}

}  // namespace

TapPlace TapOf(const plan::PlanInput& input, const plan::Plan& plan, const plan::Settings& settings,
               std::size_t j) {
  const plan::WindingPlan& winding = plan.windings[j];
  const std::int64_t turn = winding.turns / 2;
  const std::int64_t layer = FirstTurns(input, plan, settings, j, turn).count;
  const double pitch = winding.overall + settings.interlayer;
  return {turn, layer,
          Offset(plan, settings, j) + static_cast<double>(layer - 1) * pitch + winding.overall / 2};
}

namespace {

void FillHalves(const plan::PlanInput& input, std::span<const SizedWinding> secondaries,
                const plan::Settings& settings, DesignPlan& out) {
  out.halves.assign(secondaries.size(), std::nullopt);
  if (out.plan.windings.empty()) return;
  for (std::size_t k = 0; k < secondaries.size(); ++k) {
    if (FactsOf(secondaries[k].given.kind).centre_tapped) {
      out.halves[k] = HalvesOf(input, out.plan, settings, k + 1);
    }
  }
}

}  // namespace

void PlanDesign(const plan::PlanInput& input, std::span<const SizedWinding> secondaries,
                const plan::Settings& settings, DesignPlan& out) {
  out.input = input;
  plan::MakePlan(input, settings, out.plan);
  FillHalves(input, secondaries, settings, out);
}

void PlanDesign(const plan::PlanInput& input, std::span<const SizedWinding> secondaries,
                const plan::Settings& settings, plan::Plan& laid, DesignPlan& out) {
  out.input = input;
  std::swap(out.plan, laid);
  plan::CarryCurrents(input, out.plan);
  FillHalves(input, secondaries, settings, out);
}

}  // namespace windings
