#include "windings/design_check.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

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
                      const std::vector<std::optional<Rectified>>& cold) {
  const double i1 = input.run.windings[0].current;
  double loss = i1 * i1 * plan.windings[0].resistance;
  for (std::size_t k = 0; k < cold.size(); ++k) {
    const double current = cold[k] ? cold[k]->winding_current : input.run.windings[k + 1].current;
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

// `input` has the sizing currents; `plan` the wires for `wire_currents`.
DesignCheck CheckAll(const check::CheckInput& input, const DesignPlan& planned,
                     const Design& design, const std::vector<double>& wire_currents,
                     const AllSettings& settings) {
  const plan::Plan& plan = planned.plan;
  const std::size_t n = design.windings.size();
  const double diode = settings.rectifier.diode;
  std::vector<std::optional<Rectified>> cold(n);
  for (std::size_t k = 0; k < n; ++k) {
    if (IsRectifier(design.windings[k].given.kind)) {
      cold[k] = Rectify(LoadOf(input, plan, design, k, diode), 1);
    }
  }
  DesignCheck out;
  out.core = check::CheckDesign(input, plan, settings.check, CopperLossAt20(input, plan, cold));
  const double warm_factor = check::detail::CopperFactor(out.core.temperature);
  out.secondaries.resize(n);
  for (std::size_t k = 0; k < n; ++k) {
    SecondaryCheck& secondary = out.secondaries[k];
    const SizedWinding& winding = design.windings[k];
    secondary.flags[Bit(Flag::Volts)] = out.core.outputs[k].volts_off;
    if (const std::optional<Halves>& halves = planned.halves[k]) {
      secondary.imbalance = winding.rms * std::fabs(halves->outer - halves->inner) * warm_factor;
    }
    if (!IsRectifier(winding.given.kind)) continue;
    const std::optional<Rectified> warm =
        Rectify(LoadOf(input, plan, design, k, diode), warm_factor);
    if (!cold[k] || !warm || !(warm->dc_voltage > 0)) {
      secondary.flags[Bit(Flag::NoDc)] = true;
      continue;
    }
    secondary.rectified =
        Rectified{warm->dc_voltage, cold[k]->winding_current, cold[k]->peak_current};
    secondary.flags[Bit(Flag::RmsHigh)] = cold[k]->winding_current > kRmsMargin * wire_currents[k];
  }
  out.core.efficiency = Efficiency(design, out);
  out.flags[Bit(Flag::FluxHigh)] = out.core.flags[static_cast<std::size_t>(check::Flag::FluxHigh)];
  out.flags[Bit(Flag::Hot)] = out.core.flags[static_cast<std::size_t>(check::Flag::Hot)];
  for (const SecondaryCheck& secondary : out.secondaries) {
    for (const Flag flag : {Flag::Volts, Flag::RmsHigh, Flag::NoDc}) {
      out.flags[Bit(flag)] = out.flags[Bit(flag)] || secondary.flags[Bit(flag)];
    }
  }
  return out;
}

std::vector<Kind> KindsOf(const Design& design) {
  std::vector<Kind> kinds;
  for (const SizedWinding& winding : design.windings) kinds.push_back(winding.given.kind);
  return kinds;
}

std::vector<double> SizingCurrents(const Design& design) {
  std::vector<double> currents;
  for (const SizedWinding& winding : design.windings) currents.push_back(winding.rms);
  return currents;
}

// A rectifier winding's wire is chosen for the larger of its sizing and its real RMS current.
std::vector<double> WireCurrents(const Design& design, const DesignCheck& calculated) {
  std::vector<double> currents = SizingCurrents(design);
  for (std::size_t k = 0; k < currents.size(); ++k) {
    if (const std::optional<Rectified>& dc = calculated.secondaries[k].rectified) {
      currents[k] = std::max(currents[k], dc->winding_current);
    }
  }
  return currents;
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

void Refine(const Outcome& calculated, const AllSettings& settings, Refined& out) {
  const Design& design = calculated.design;
  const std::vector<Kind> kinds = KindsOf(design);
  out.wire_currents = WireCurrents(design, *calculated.check);
  check::CheckInput search = design.input;
  SetWires(out.wire_currents, design.current_density, false, search.run);
  std::vector<int> steps;
  for (const Kind kind : kinds) steps.push_back(FactsOf(kind).centre_tapped ? 2 : 1);
  check::Refined turns;
  check::RefineTurns(search, settings.plan, settings.check, steps, turns);
  if (!turns.turns.empty()) out.primary = turns.turns.front();
  out.plan.plan.verdict = turns.plan.verdict;
  if (turns.plan.windings.empty()) return;
  out.turns.assign(turns.turns.begin() + 1, turns.turns.end());
  // The search's input, done with, becomes the refined plan's.
  plan::PlanInput& refined = search.run;
  SetWires(out.wire_currents, design.current_density, true, refined);
  for (std::size_t j = 0; j < turns.turns.size(); ++j) {
    refined.windings[j].turns = static_cast<double>(turns.turns[j]);
  }
  PlanDesign(refined, kinds, settings.plan, out.plan);
  out.check = CheckAll(design.input, out.plan, design, out.wire_currents, settings);
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
  out.plan = {};
  out.check.reset();
  out.refined = {};
  if (out.design.verdict != Verdict::Fits) return;
  PlanDesign(out.design.input.run, KindsOf(out.design), settings.plan, out.plan);
  if (out.plan.plan.windings.empty() || !Checkable(out.design.input, out.plan.plan, settings)) {
    return;
  }
  out.check =
      CheckAll(out.design.input, out.plan, out.design, SizingCurrents(out.design), settings);
  Refine(out, settings, out.refined);
}

}  // namespace windings
