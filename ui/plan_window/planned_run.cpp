#include "ui/plan_window/planned_run.h"

#include "account/reasons.h"
#include "account/tables.h"
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

QString TurnsText(const PlannedRun& planned) { return FromUtf8(account::TurnsWords(planned)); }

QString NoPlanReason(const PlannedRun& planned) { return FromUtf8(account::NoPlanReason(planned)); }

QString NoCheckReason(const PlannedRun& planned) {
  return FromUtf8(account::NoCheckReason(planned));
}

}  // namespace ui
