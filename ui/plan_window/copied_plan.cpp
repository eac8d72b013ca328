#include "ui/plan_window/copied_plan.h"

#include "ui/calculator_window/copied_results.h"
#include "ui/common/utf8.h"
#include "ui/plan_window/check_rows.h"
#include "ui/plan_window/plan_rows.h"

namespace ui {

namespace {

void AppendLine(const QString& caption, const QString& value, QString& out) {
  out += CopiedLine(caption, value);
}

void AppendPair(const QString& caption, const std::array<QString, 2>& values, QString& out) {
  AppendLine(caption, values[0] + QLatin1Char('\t') + values[1], out);
}

void AppendCheck(const PlannedRun& planned, QString& text) {
  text += QStringLiteral("\nПроверка\n");
  const QString missing = NoCheckReason(planned);
  if (!missing.isEmpty()) {
    text += missing + QLatin1Char('\n');
    return;
  }
  AppendPair({}, kCheckHeadings, text);
  for (const CheckRow& row : CheckRows(planned)) AppendPair(row.caption, row.values, text);
  for (const QString& line : CheckVerdicts(planned)) text += line + QLatin1Char('\n');
}

}  // namespace

QString PlanText(const PlannedRun& planned) {
  QString text = QStringLiteral("План намотки и проверка\n");
  if (!planned.HasPlan()) {
    AppendLine(QStringLiteral("Плана нет"), NoPlanReason(planned), text);
    return text;
  }
  AppendLine(QStringLiteral("План для"), TurnsText(planned), text);
  AppendLine(QStringLiteral("Вывод"), FromUtf8(plan::VerdictText(planned.plan.verdict)), text);
  for (const PlanLine& line : SummaryLines(planned.plan)) {
    AppendLine(line.caption, line.value, text);
  }
  text += QLatin1Char('\n');
  AppendPair({}, kWindingHeadings, text);
  for (const WindingRow& row : WindingRows(planned.plan)) AppendPair(row.caption, row.values, text);
  AppendCheck(planned, text);
  text += QStringLiteral("\nНастройки\n");
  for (const PlanLine& line : SettingLines(planned)) AppendLine(line.caption, line.value, text);
  text += QLatin1Char('\n') + NotesText(planned.run);
  text += QLatin1Char('\n') + PlanNote(planned.settings) + QLatin1Char('\n');
  return text;
}

}  // namespace ui
