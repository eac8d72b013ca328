#include "account/planned.h"

namespace account {

namespace {

// Empties a plan and keeps its storage for the next.
void Clear(plan::Plan& plan) {
  plan.verdict = plan::Verdict::None;
  plan.fill = 0;
  plan.depth = 0;
  plan.hole_left.reset();
  plan.windings.clear();
}

}  // namespace

void Follow(const Press& press, Planned& out) {
  out.end = press.end;
  if (press.fits()) {
    out.check_input = press.design;
    out.input = press.design.run;
  } else {
    out.check_input.reset();
    out.input.reset();
  }
}

void PlanCalculated(const Settings& settings, Planned& out) {
  out.settings = settings.plan;
  out.check_settings = settings.check;
  if (out.input) {
    plan::MakePlan(*out.input, settings.plan, out.calculated);
  } else {
    Clear(out.calculated);
  }
}

void CheckPlanned(Planned& out) {
  if (out.check_input) {
    check::MakeCheck(*out.check_input, out.calculated, out.settings, out.check_settings, out.check);
  } else {
    out.check.calculated.reset();
    out.check.refined = {};
  }
}

void ShowTurns(Turns preferred, Planned& out) {
  out.turns = preferred == Turns::Refined && HasRefined(out) ? Turns::Refined : Turns::Calculated;
  out.plan = out.turns == Turns::Refined ? out.check.refined.plan : out.calculated;
}

Planned PlanPress(const Press& press, const Settings& settings, Turns preferred) {
  Planned planned;
  Follow(press, planned);
  Replan(settings, {}, preferred, planned);
  return planned;
}

void Replan(const Settings& settings, std::string_view refusal, Turns preferred, Planned& out) {
  PlanCalculated(settings, out);
  CheckPlanned(out);
  ShowTurns(preferred, out);
  out.refusal.assign(refusal);
}

bool HasRefined(const Planned& planned) {
  const check::Refined& refined = planned.check.refined;
  return refined.check.has_value() && !refined.plan.windings.empty();
}

bool AnyFlag(const Planned& planned) {
  const check::Refined& refined = planned.check.refined;
  return (planned.check.calculated && !planned.check.calculated->ok()) ||
         (refined.check && !refined.check->ok());
}

}  // namespace account
