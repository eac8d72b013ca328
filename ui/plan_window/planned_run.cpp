#include "ui/plan_window/planned_run.h"

#include "account/reasons.h"
#include "account/tables.h"
#include "account/total_planned.h"
#include "ui/common/utf8.h"

namespace ui {

PlannedRun PlanRun(const account::Press& press, const WindowSettings& settings,
                   const QString& refusal, Turns preferred) {
  PlannedRun planned;
  planned.press = press;
  planned.run = ViewOf(press);
  account::Follow(press, planned);
  Replan(planned, settings, refusal, preferred);
  return planned;
}

void Replan(PlannedRun& planned, const WindowSettings& settings, const QString& refusal,
            Turns preferred) {
  account::Replan(settings, refusal.toStdString(), preferred, planned);
}

PlannedRun TotalRun(const PlannedRun& described, const windings::Outcome& outcome,
                    Turns preferred) {
  PlannedRun total;
  static_cast<account::Planned&>(total) = account::TotalPlanned(
      outcome, {described.settings, described.check_settings}, described.refusal, preferred);
  total.press = described.press;
  total.run = described.run;
  return total;
}

QString TurnsText(const PlannedRun& planned) { return FromUtf8(account::TurnsWords(planned)); }

QString NoPlanReason(const PlannedRun& planned) { return FromUtf8(account::NoPlanReason(planned)); }

QString NoCheckReason(const PlannedRun& planned) {
  return FromUtf8(account::NoCheckReason(planned));
}

}  // namespace ui
