#include "ui/plan_window/copied_plan.h"

#include "account/copied_text.h"
#include "ui/common/utf8.h"

namespace ui {

QString PlanText(const PlannedRun& planned) {
  return FromUtf8(account::PlanText(planned.press, planned));
}

}  // namespace ui
