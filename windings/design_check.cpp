#include "windings/design_check.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "check/temperature.h"

namespace windings {

namespace {

constexpr std::array<std::string_view, kAllFlags.size()> kFlagCodes{"flux-high", "hot", "volts",
                                                                    "rms-high", "no-dc"};
constexpr double kMinDimension = 0.1;  // cm
constexpr double kMinVoltage = 0.001;  // V
constexpr double kMaxVoltage = 1'000'000;
constexpr double kMaxCurrent = 1'000'000;  // A
constexpr double kRmsMargin = 1.1;         // Iw above the wire's current by more is flagged

constexpr std::size_t Bit(Flag flag) { return static_cast<std::size_t>(flag); }

bool IsSide(double x) { return x >= kMinDimension; }

// The core, U1 and I1 bound the check; the secondaries are bounded by the design's bounds.
bool Checkable(const check::CheckInput& input, const plan::Plan& plan,
               const AllSettings& settings) {
  const plan::PlanInput& run = input.run;
  const plan::WindingDemand& primary = run.windings[0];
  return plan.windings.size() == run.windings.size() && IsSide(run.a) && IsSide(run.b) &&
         IsSide(run.c) && (!calc::IsShellCore(run.form) || IsSide(run.h)) &&
         primary.voltage >= kMinVoltage && primary.voltage <= kMaxVoltage && primary.current > 0 &&
         primary.current <= kMaxCurrent && input.bmax > 0 && std::isfinite(input.bmax) &&
         input.ks > 0 && std::isfinite(input.ks) && !check::FirstInvalid(settings.check) &&
         !FirstInvalid(settings.rectifier);
}

RectifierLoad LoadOf(const check::CheckInput& input, const plan::Plan& plan, const Design& design,
                     std::size_t k, double diode) {
  const SizedWinding& winding = design.windings[k];
  return {winding.given.kind,
          winding.given.current,
          input.run.windings[0].voltage,
          static_cast<double>(plan.windings[0].turns),
          plan.windings[0].resistance,
          static_cast<double>(plan.windings[k + 1].turns),
          plan.windings[k + 1].resistance,
          diode};
}

// Each secondary's heating current: the rectifier's RMS at 20 °C, else the sizing current.
double CopperLossAt20(const check::CheckInput& input, const plan::Plan& plan,
                      const std::vector<SecondaryCheck>& cold) {
  const double i1 = input.run.windings[0].current;
  double loss = i1 * i1 * plan.windings[0].resistance;
  for (std::size_t k = 0; k < cold.size(); ++k) {
    const std::optional<Rectified>& dc = cold[k].rectified;
    const double current = dc ? dc->winding_current : input.run.windings[k + 1].current;
    loss += current * current * plan.windings[k + 1].resistance;
  }
  return loss;
}

std::optional<double> Efficiency(const Design& design, const DesignCheck& out) {
  double delivered = 0;
  for (std::size_t k = 0; k < out.secondaries.size(); ++k) {
    const SizedWinding& winding = design.windings[k];
    double power = 0;
    if (IsRectifier(winding.given.kind)) {
      const std::optional<Rectified>& dc = out.secondaries[k].rectified;
      if (!dc || !(dc->dc_voltage > 0)) return std::nullopt;
      power = dc->dc_voltage * winding.given.current;
    } else {
      const double full_load = out.core.outputs[k].full_load;
      if (!(full_load > 0)) return std::nullopt;
      power = full_load * winding.rms;
    }
    delivered += power;
  }
  return delivered / (delivered + out.core.copper_loss_w + out.core.core_loss_w) * 100;
}

// The current winding k's wire was chosen for: its sizing current unless `wire_currents` are given.
double WireCurrent(const Design& design, std::span<const double> wire_currents, std::size_t k) {
  return wire_currents.empty() ? design.windings[k].rms : wire_currents[k];
}

// `input` has the sizing currents; `plan` the wires for `wire_currents`. Each rectifier's
// figures at 20 °C wait in its `rectified` until the warm ones join them.
void CheckAll(const check::CheckInput& input, const DesignPlan& planned, const Design& design,
              std::span<const double> wire_currents, const AllSettings& settings,
              DesignCheck& out) {
  const plan::Plan& plan = planned.plan;
  const std::size_t n = design.windings.size();
  const double diode = settings.rectifier.diode;
  out.secondaries.assign(n, SecondaryCheck{});
  for (std::size_t k = 0; k < n; ++k) {
    if (IsRectifier(design.windings[k].given.kind)) {
      out.secondaries[k].rectified = Rectify(LoadOf(input, plan, design, k, diode), 1);
    }
  }
  check::CheckDesign(input, plan, settings.check, CopperLossAt20(input, plan, out.secondaries),
                     out.core);
  const double warm_factor = check::detail::CopperFactor(out.core.temperature);
  for (std::size_t k = 0; k < n; ++k) {
    SecondaryCheck& secondary = out.secondaries[k];
    const SizedWinding& winding = design.windings[k];
    secondary.flags[Bit(Flag::Volts)] = out.core.outputs[k].volts_off;
    if (const std::optional<Halves>& halves = planned.halves[k]) {
      secondary.imbalance = winding.rms * std::fabs(halves->outer - halves->inner) * warm_factor;
    }
    if (!IsRectifier(winding.given.kind)) continue;
    const std::optional<Rectified> cold = std::exchange(secondary.rectified, std::nullopt);
    const std::optional<Rectified> warm =
        Rectify(LoadOf(input, plan, design, k, diode), warm_factor);
    if (!cold || !warm || !(warm->dc_voltage > 0)) {
      secondary.flags[Bit(Flag::NoDc)] = true;
      continue;
    }
    secondary.rectified = Rectified{warm->dc_voltage, cold->winding_current, cold->peak_current};
    secondary.flags[Bit(Flag::RmsHigh)] =
        cold->winding_current > kRmsMargin * WireCurrent(design, wire_currents, k);
  }
  out.core.efficiency = Efficiency(design, out);
  out.flags = {};
  out.flags[Bit(Flag::FluxHigh)] = out.core.flags[static_cast<std::size_t>(check::Flag::FluxHigh)];
  out.flags[Bit(Flag::Hot)] = out.core.flags[static_cast<std::size_t>(check::Flag::Hot)];
  for (const SecondaryCheck& secondary : out.secondaries) {
    for (const Flag flag : {Flag::Volts, Flag::RmsHigh, Flag::NoDc}) {
      out.flags[Bit(flag)] = out.flags[Bit(flag)] || secondary.flags[Bit(flag)];
    }
  }
}

// The check in `check`, made anew or over the last one's storage.
DesignCheck& Reused(std::optional<DesignCheck>& check) {
  if (!check) check.emplace();
  return *check;
}

// A rectifier winding's wire is chosen for the larger of its sizing and its real RMS current.
void WireCurrents(const Design& design, const DesignCheck& calculated,
                  std::vector<double>& currents) {
  currents.clear();
  for (std::size_t k = 0; k < design.windings.size(); ++k) {
    double current = design.windings[k].rms;
    if (const std::optional<Rectified>& dc = calculated.secondaries[k].rectified) {
      current = std::max(current, dc->winding_current);
    }
    currents.push_back(current);
  }
}

// Gives each secondary the wire for `currents`, and, when `carried`, those currents too.
void SetWires(const std::vector<double>& currents, double current_density, bool carried,
              plan::PlanInput& run) {
  for (std::size_t k = 0; k < currents.size(); ++k) {
    plan::WindingDemand& winding = run.windings[k + 1];
    winding.diameter = plan::kWireFactor * std::sqrt(currents[k] / current_density);
    if (carried) winding.current = currents[k];
  }
}

// Empties a plan of all windings and keeps its storage for the next.
void Clear(DesignPlan& out) {
  out.input.form = 0;
  out.input.a = out.input.b = out.input.c = out.input.h = 0;
  out.input.windings.clear();
  out.plan.verdict = plan::Verdict::None;
  out.plan.fill = 0;
  out.plan.depth = 0;
  out.plan.hole_left.reset();
  out.plan.windings.clear();
  out.halves.clear();
}

void Refine(const Outcome& calculated, const AllSettings& settings, Refined& out) {
  const Design& design = calculated.design;
  out.primary.reset();
  out.turns.clear();
  Clear(out.plan);
  WireCurrents(design, *calculated.check, out.wire_currents);
  RefineStorage& work = out.storage;
  work.input = design.input;
  SetWires(out.wire_currents, design.current_density, false, work.input.run);
  work.steps.clear();
  for (const SizedWinding& winding : design.windings) {
    work.steps.push_back(FactsOf(winding.given.kind).centre_tapped ? 2 : 1);
  }
  check::Refined& turns = work.turns;
  check::RefineTurns(work.input, settings.plan, settings.check, work.steps, work.trial, work.turns);
  if (!turns.turns.empty()) out.primary = turns.turns.front();
  out.plan.plan.verdict = turns.plan.verdict;
  if (turns.plan.windings.empty()) {
    out.check.reset();
    return;
  }
  out.turns.assign(turns.turns.begin() + 1, turns.turns.end());
  // The search's input, done with, becomes the refined plan's.
  plan::PlanInput& refined = work.input.run;
  SetWires(out.wire_currents, design.current_density, true, refined);
  for (std::size_t j = 0; j < turns.turns.size(); ++j) {
    refined.windings[j].turns = static_cast<double>(turns.turns[j]);
  }
  // The search laid these windings with these wires and turns, for the sizing currents.
  PlanDesign(refined, design.windings, settings.plan, turns.plan, out.plan);
  CheckAll(design.input, out.plan, design, out.wire_currents, settings, Reused(out.check));
}

}  // namespace

std::string_view FlagCode(Flag flag) { return kFlagCodes[Bit(flag)]; }

bool DesignCheck::ok() const {
  return std::none_of(flags.begin(), flags.end(), [](bool raised) { return raised; });
}

void AppendVerdict(const Flags& flags, std::string& out) {
  const std::size_t start = out.size();
  for (const Flag flag : kAllFlags) {
    if (!flags[Bit(flag)]) continue;
    if (out.size() > start) out += ' ';
    out += FlagCode(flag);
  }
  if (out.size() == start) out += "ok";
}

void Evaluate(calc::CalculatorState& record, const calc::InputTexts& texts, const Request& request,
              const AllSettings& settings, Outcome& out) {
  MakeDesign(record, texts, request, out.design);
  if (out.design.verdict == Verdict::Fits) {
    PlanDesign(out.design.input.run, out.design.windings, settings.plan, out.plan);
  } else {
    out.plan = {};
  }
  if (out.plan.plan.windings.empty() || !Checkable(out.design.input, out.plan.plan, settings)) {
    out.check.reset();
    out.refined = {};
    return;
  }
  CheckAll(out.design.input, out.plan, out.design, {}, settings, Reused(out.check));
  Refine(out, settings, out.refined);
}

}  // namespace windings
