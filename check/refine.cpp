#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <span>
#include <utility>
#include <vector>

#include "check/design_check.h"
#include "check/temperature.h"

namespace check {

namespace {

constexpr double kEmfFactor = std::numbers::sqrt2 * std::numbers::pi;
constexpr double kMaxTurns = 1'000'000;
constexpr int kMaxSteps = 1000;

// The turns that keep B0 at the refine flux, or Bmax, on the net section; none outside
// 1 … 1,000,000.
std::optional<std::int64_t> PrimaryTurns(const CheckInput& input, const Settings& settings,
                                         Refined& out) {
  const double section = input.run.a * input.run.b * input.ks;
  const double flux = settings.refine_flux.value_or(input.bmax);
  const double exact =
      input.run.windings[0].voltage * 1e4 / (kEmfFactor * settings.frequency * flux * section);
  out.exact_primary = exact;
  const double turns = std::ceil(exact);
  if (!(turns >= 1 && turns <= kMaxTurns)) return std::nullopt;
  return static_cast<std::int64_t>(turns);
}

// s · ceil(W1r · (U2 + drop) / (s · E)), at least s: the turns, a multiple of the step s, that
// give U2 past a drop at the limit.
double TurnsFor(double w1, double voltage, double drop, double emf, int step) {
  const double s = step;
  return std::max(s, s * std::ceil(w1 * (voltage + drop) / (s * emf)));
}

int StepOf(std::span<const int> steps, std::size_t secondary) {
  return secondary < steps.size() ? steps[secondary] : 1;
}

enum class Search { Found, NoLayer, Unsettled };

// The fewest turns of secondary j, laid after the windings before it, that give U2 at full load
// with the primary's EMF `emf` at kL; R2 grows with the turns, so the count is raised until it
// stays.
Search SecondaryTurns(TurnTrial& trial, std::size_t j, double emf, double k_limit, int step,
                      const plan::Settings& settings, std::int64_t& turns) {
  const double w1 = trial.run.windings[0].turns;
  const plan::WindingDemand& demand = trial.run.windings[j];
  double w = TurnsFor(w1, demand.voltage, 0, emf, step);
  for (int tries = 0; tries < kMaxSteps; ++tries) {
    if (!(w <= kMaxTurns)) return Search::Unsettled;
    trial.run.windings[j].turns = w;
    if (!trial.stack.Lay(trial.run, settings, j)) return Search::NoLayer;
    const double drop = demand.current * trial.stack.plan().windings[j].resistance * k_limit;
    const double grown = TurnsFor(w1, demand.voltage, drop, emf, step);
    if (!(grown > w)) {
      turns = static_cast<std::int64_t>(w);
      return Search::Found;
    }
    w = grown;
  }
  return Search::Unsettled;
}

// W1r, then each secondary's turns in winding order; out.plan's verdict tells why not.
bool FindTurns(const CheckInput& input, const plan::Settings& plan_settings,
               const Settings& settings, std::span<const int> steps, TurnTrial& trial,
               Refined& out) {
  const std::optional<std::int64_t> primary = PrimaryTurns(input, settings, out);
  if (!primary) return false;
  out.turns.push_back(*primary);
  trial.run = input.run;
  trial.run.windings[0].turns = static_cast<double>(*primary);
  if (!trial.stack.Lay(trial.run, plan_settings, 0)) {
    out.plan.verdict = plan::Verdict::No;
    return false;
  }
  const double k_limit = detail::CopperFactor(settings.limit);
  const plan::WindingDemand& demand = input.run.windings[0];
  const double emf =
      demand.voltage - demand.current * trial.stack.plan().windings[0].resistance * k_limit;
  out.emf = emf;
  if (!(emf > 0)) return false;
  const double first = TurnsFor(trial.run.windings[0].turns, input.run.windings[1].voltage, 0, emf,
                                StepOf(steps, 0));
  if (first <= kMaxTurns) out.first_secondary = static_cast<std::int64_t>(first);
  for (std::size_t j = 1; j < input.run.windings.size(); ++j) {
    std::int64_t turns = 0;
    const Search search =
        SecondaryTurns(trial, j, emf, k_limit, StepOf(steps, j - 1), plan_settings, turns);
    if (search == Search::NoLayer) out.plan.verdict = plan::Verdict::No;
    if (search != Search::Found) return false;
    out.turns.push_back(turns);
  }
  return true;
}

}  // namespace

void RefineTurns(const CheckInput& input, const plan::Settings& plan_settings,
                 const Settings& settings, std::span<const int> steps, Refined& out) {
  TurnTrial trial;
  RefineTurns(input, plan_settings, settings, steps, trial, out);
}

void RefineTurns(const CheckInput& input, const plan::Settings& plan_settings,
                 const Settings& settings, std::span<const int> steps, TurnTrial& trial,
                 Refined& out) {
  out.exact_primary.reset();
  out.turns.clear();
  out.emf.reset();
  out.first_secondary.reset();
  out.plan.verdict = plan::Verdict::None;
  out.plan.windings.clear();
  if (!FindTurns(input, plan_settings, settings, steps, trial, out)) return;
  // The last secondary was laid after all the others: its trial is the refined plan in full.
  std::swap(out.plan, trial.stack.plan());
}

namespace {

void Refine(const CheckInput& input, const plan::Settings& plan_settings, const Settings& settings,
            TurnTrial& trial, Refined& out) {
  RefineTurns(input, plan_settings, settings, {}, trial, out);
  if (out.plan.windings.empty()) {
    out.check.reset();
    return;
  }
  CheckDesign(input, out.plan, settings, CopperLossAt20(input.run, out.plan), Reused(out.check));
}

}  // namespace

void MakeCheck(const CheckInput& input, const plan::Plan& plan, const plan::Settings& plan_settings,
               const Settings& settings, Check& out) {
  if (FirstObstacle(input, plan, settings)) {
    out.calculated.reset();
    out.refined = {};
    return;
  }
  CheckDesign(input, plan, settings, CopperLossAt20(input.run, plan), Reused(out.calculated));
  Refine(input, plan_settings, settings, out.trial, out.refined);
}

DesignCheck& Reused(std::optional<DesignCheck>& check) {
  if (!check) check.emplace();
  return *check;
}

Check MakeCheck(const CheckInput& input, const plan::Plan& plan,
                const plan::Settings& plan_settings, const Settings& settings) {
  Check check;
  MakeCheck(input, plan, plan_settings, settings, check);
  return check;
}

}  // namespace check
