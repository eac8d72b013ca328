#include "account/total_planned.h"

#include "account/several_windings.h"

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

// Said where the press's own reasons would be: the press may have fitted where all windings
// do not.
std::string UnmadeReason(const windings::Outcome& outcome, End end) {
  switch (end) {
    case End::NotYet:
      return DesignReason(outcome) + ".";
    case End::Faulted:
      return "Расчет по всем обмоткам остановился с ошибкой, поэтому плана нет. Исправьте данные "
             "или строки таблицы «Обмотки».";
    case End::NotFit:
      return "Сердечник не подходит для всех обмоток вместе: план намотки составляется только "
             "для подходящего сердечника.";
    case End::Fit:
      break;
  }
  return {};
}

}  // namespace

Planned TotalPlanned(const windings::Outcome& outcome, const Settings& settings,
                     std::string_view refusal, Turns preferred) {
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
  out.power_line = PowerLine(outcome);
  out.unmade = UnmadeReason(outcome, out.end);
  ShowTurns(preferred, out);
  out.refusal.assign(refusal);
  return out;
}

}  // namespace account
