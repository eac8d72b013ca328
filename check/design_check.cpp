#include "check/design_check.h"

#include <cmath>
#include <cstddef>
#include <numbers>

#include "check/temperature.h"

namespace check {

namespace {

using std::numbers::pi;

// √2·π of the transformer EMF, the double std::sqrt(2.0) * π.
constexpr double kEmfFactor = std::numbers::sqrt2 * pi;
constexpr double kSteelDensity = 7.65;  // g/cm³
constexpr double kLossFlux = 1.5;       // T, of the steel-loss setting
constexpr double kLossFrequency = 50;   // Hz, of the steel-loss setting
constexpr double kLossFrequencyExponent = 1.6;
constexpr double kFluxMargin = 1.1;    // B0 above Bmax by more than this is flagged
constexpr double kVoltsMargin = 0.05;  // of U2, besides one turn's volts
constexpr double kMinDimension = 0.1;  // cm
constexpr double kMinVoltage = 0.001;  // V
constexpr double kMaxVoltage = 1'000'000;
constexpr double kMaxCurrent = 1'000'000;  // A
constexpr double kRegulationFloor = 0.01;  // of U0: below it UL gives no regulation

constexpr std::array<std::string_view, kAllFlags.size()> kFlagCodes{"flux-high", "hot", "volts"};

bool IsShell(std::int16_t form) { return form == 1 || form == 2; }

bool IsSide(double x) { return x >= kMinDimension; }

bool IsVoltage(double u) { return u >= kMinVoltage && u <= kMaxVoltage; }

double Count(std::int64_t n) { return static_cast<double>(n); }

// Outer legs and yokes of a shell core are half as wide as its centre leg.
double SteelVolume(const plan::PlanInput& run) {
  if (IsShell(run.form)) return 2 * run.a * run.b * (run.a + run.c + run.h);
  return pi * run.a * (run.a + run.c) * run.b;
}

Outline OutlineOf(const plan::PlanInput& run, double depth) {
  if (IsShell(run.form)) {
    return {10 * (2 * run.a + 2 * run.c), 10 * (run.h + run.a), 10 * run.b + 2 * depth};
  }
  return {10 * (run.c + 2 * run.a) + 2 * depth, std::nullopt, 10 * run.b + 2 * depth};
}

// The ring's surface counts both faces, the outside and the hole's wall.
double Surface(const Outline& outline, const plan::Plan& plan) {
  const double x = outline.x;
  const double z = outline.z;
  if (outline.y) {
    const double y = *outline.y;
    return 2 * (x * y + x * z + y * z) / 100;
  }
  const double hole = plan.hole_left.value_or(0);
  return (2 * pi / 4 * (x * x - hole * hole) + pi * x * z + pi * hole * z) / 100;
}

// Each secondary gives its share of the primary's EMF less its own drop, both at `k`.
void FillOutputs(const plan::PlanInput& run, const plan::Plan& plan, double k, DesignCheck& out) {
  const plan::WindingDemand& primary = run.windings[0];
  const double w1 = Count(plan.windings[0].turns);
  const double emf = primary.voltage - primary.current * plan.windings[0].resistance * k;
  out.outputs.resize(plan.windings.size() - 1);
  for (std::size_t j = 1; j < plan.windings.size(); ++j) {
    const plan::WindingDemand& demand = run.windings[j];
    const double w = Count(plan.windings[j].turns);
    OutputCheck& output = out.outputs[j - 1];
    output.no_load = primary.voltage * w / w1;
    output.full_load = emf * w / w1 - demand.current * plan.windings[j].resistance * k;
    output.regulation.reset();
    if (output.full_load >= kRegulationFloor * output.no_load) {
      output.regulation = (output.no_load - output.full_load) / output.full_load * 100;
    }
    output.deviation = (output.full_load - demand.voltage) / demand.voltage * 100;
  }
}

std::optional<double> Efficiency(const plan::PlanInput& run, const DesignCheck& design) {
  double delivered = 0;
  for (std::size_t j = 0; j < design.outputs.size(); ++j) {
    if (!(design.outputs[j].full_load > 0)) return std::nullopt;
    delivered += design.outputs[j].full_load * run.windings[j + 1].current;
  }
  return delivered / (delivered + design.copper_loss_w + design.core_loss_w) * 100;
}

// More than 5 % and one turn off: marks each such output, tells whether there is one.
bool MarkVoltsOff(const plan::PlanInput& run, const plan::Plan& plan, DesignCheck& design) {
  const double turn_volts = run.windings[0].voltage / Count(plan.windings[0].turns);
  bool any = false;
  for (std::size_t j = 0; j < design.outputs.size(); ++j) {
    const double wanted = run.windings[j + 1].voltage;
    OutputCheck& output = design.outputs[j];
    output.volts_off = std::fabs(output.full_load - wanted) > kVoltsMargin * wanted + turn_volts;
    any = any || output.volts_off;
  }
  return any;
}

}  // namespace

double CopperLossAt20(const plan::PlanInput& run, const plan::Plan& plan) {
  double loss = 0;
  for (std::size_t j = 0; j < plan.windings.size(); ++j) {
    const double current = run.windings[j].current;
    loss += current * current * plan.windings[j].resistance;
  }
  return loss;
}

std::string_view FlagCode(Flag flag) { return kFlagCodes[static_cast<std::size_t>(flag)]; }

bool DesignCheck::ok() const {
  for (const bool raised : flags) {
    if (raised) return false;
  }
  return true;
}

void AppendVerdict(const DesignCheck& design, std::string& out) {
  if (design.ok()) {
    out += "ok";
    return;
  }
  bool first = true;
  for (const Flag flag : kAllFlags) {
    if (!design.flags[static_cast<std::size_t>(flag)]) continue;
    if (!first) out += ' ';
    out += FlagCode(flag);
    first = false;
  }
}

// Written so that NaN fails every test.
std::optional<Obstacle> FirstObstacle(const CheckInput& input, const plan::Plan& plan,
                                      const Settings& settings) {
  const plan::PlanInput& run = input.run;
  if (plan.windings.size() < 2 || plan.windings.size() != run.windings.size()) {
    return Obstacle::NoPlan;
  }
  if (!IsSide(run.a) || !IsSide(run.b) || !IsSide(run.c) || (IsShell(run.form) && !IsSide(run.h))) {
    return Obstacle::Dimensions;
  }
  for (const plan::WindingDemand& winding : run.windings) {
    if (!IsVoltage(winding.voltage)) return Obstacle::Voltage;
  }
  for (const plan::WindingDemand& winding : run.windings) {
    if (!(winding.current > 0 && winding.current <= kMaxCurrent)) return Obstacle::Current;
  }
  if (!(input.bmax > 0 && std::isfinite(input.bmax) && input.ks > 0 && std::isfinite(input.ks))) {
    return Obstacle::Steel;
  }
  if (FirstInvalid(settings)) return Obstacle::Settings;
  return std::nullopt;
}

DesignCheck CheckDesign(const CheckInput& input, const plan::Plan& plan, const Settings& settings) {
  return CheckDesign(input, plan, settings, CopperLossAt20(input.run, plan));
}

DesignCheck CheckDesign(const CheckInput& input, const plan::Plan& plan, const Settings& settings,
                        double copper20) {
  DesignCheck out;
  CheckDesign(input, plan, settings, copper20, out);
  return out;
}

void CheckDesign(const CheckInput& input, const plan::Plan& plan, const Settings& settings,
                 double copper20, DesignCheck& out) {
  const plan::PlanInput& run = input.run;
  const double f = settings.frequency;
  out.net_section = run.a * run.b * input.ks;
  out.flux_density = run.windings[0].voltage * 1e4 /
                     (kEmfFactor * f * Count(plan.windings[0].turns) * out.net_section);
  out.steel_mass_g = kSteelDensity * input.ks * SteelVolume(run);
  const double flux_ratio = out.flux_density / kLossFlux;
  out.core_loss_w = settings.steel_loss * (flux_ratio * flux_ratio) *
                    std::pow(f / kLossFrequency, kLossFrequencyExponent) * out.steel_mass_g / 1000;
  out.outline = OutlineOf(run, plan.depth);
  out.surface_cm2 = Surface(out.outline, plan);
  out.temperature =
      detail::WindingTemperature(copper20, out.core_loss_w, out.surface_cm2, settings.ambient);
  const double k = detail::CopperFactor(out.temperature);
  out.copper_loss_w = copper20 * k;
  FillOutputs(run, plan, k, out);
  out.efficiency = Efficiency(run, out);
  out.total_mass_g = out.steel_mass_g;
  for (const plan::WindingPlan& winding : plan.windings) out.total_mass_g += winding.mass_g;
  out.flags[static_cast<std::size_t>(Flag::FluxHigh)] = out.flux_density > kFluxMargin * input.bmax;
  out.flags[static_cast<std::size_t>(Flag::Hot)] = out.temperature > settings.limit;
  out.flags[static_cast<std::size_t>(Flag::Volts)] = MarkVoltsOff(run, plan, out);
}

}  // namespace check
