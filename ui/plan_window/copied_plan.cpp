#include "ui/plan_window/copied_plan.h"

#include "ui/calculator_window/copied_results.h"
#include "ui/common/utf8.h"
#include "ui/plan_window/plan_rows.h"

namespace ui {

namespace {

void AppendLine(const QString& caption, const QString& value, QString& out) {
  out += CopiedLine(caption, value);
}

}  // namespace

QString PlanText(const PlannedRun& planned) {
  QString text = QStringLiteral("План намотки\n");
  if (!planned.HasPlan()) {
    AppendLine(QStringLiteral("Плана нет"), NoPlanReason(planned), text);
    return text;
  }
  AppendLine(QStringLiteral("Вывод"), FromUtf8(plan::VerdictText(planned.plan.verdict)), text);
  for (const PlanLine& line : SummaryLines(planned.plan))
    AppendLine(line.caption, line.value, text);
  text += QLatin1Char('\n');
  AppendLine({}, kWindingHeadings[0] + QLatin1Char('\t') + kWindingHeadings[1], text);
  for (const WindingRow& row : WindingRows(planned.plan)) {
    AppendLine(row.caption, row.values[0] + QLatin1Char('\t') + row.values[1], text);
  }
  text += QStringLiteral("\nНастройки\n");
  for (const PlanLine& line : SettingLines(planned.settings)) {
    AppendLine(line.caption, line.value, text);
  }
  text += QLatin1Char('\n') + PlanNote(planned.settings) + QLatin1Char('\n');
  return text;
}

}  // namespace ui
