#include "account/total_planned.h"

namespace account {

namespace {

End EndOf(const windings::Design& design) {
  if (design.out_of_bounds) return End::NotYet;
  if (design.fault) return End::Faulted;
  return design.verdict == windings::Verdict::Fits ? End::Fit : End::NotFit;
}

void TakeRefined(const windings::Refined& refined, check::Refined& out) {
  out.plan = refined.plan.plan;
  if (refined.check) out.check = refined.check->core;
  if (!refined.primary || refined.turns.empty()) return;
  out.turns.push_back(*refined.primary);
  out.turns.insert(out.turns.end(), refined.turns.begin(), refined.turns.end());
}

}  // namespace

Planned TotalPlanned(const windings::Outcome& outcome, const Settings& settings,
                     std::string_view refusal) {
  Planned out;
  out.end = EndOf(outcome.design);
  out.settings = settings.plan;
  out.check_settings = settings.check;
  if (out.end == End::Fit) {
    out.input = outcome.plan.input;
    out.check_input = outcome.design.input;
    out.calculated = outcome.plan.plan;
    for (std::size_t k = 0; k < outcome.design.windings.size(); ++k) {
      if (outcome.design.windings[k].tap) out.tapped.push_back(k + 1);
    }
    if (outcome.check) {
      out.check.calculated = outcome.check->core;
      TakeRefined(outcome.refined, out.check.refined);
    }
  }
  out.plan = out.calculated;
  out.refusal.assign(refusal);
  return out;
}

}  // namespace account
