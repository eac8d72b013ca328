#include "ui/copied_text.h"

#include <algorithm>
#include <cstddef>

#include "calc/result_labels.h"
#include "ui/control_table.h"
#include "ui/plan_rows.h"
#include "ui/utf8.h"

namespace ui {

namespace {

void AppendLine(const QString& caption, const QString& value, QString& out) {
  out += caption + QLatin1Char('\t') + value + QLatin1Char('\n');
}

}  // namespace

QString InputCaption(std::size_t field) {
  const RowSpec& row = kRows.at(field);
  const auto caption = std::find_if(kControls.begin(), kControls.end(), [&row](const auto& c) {
    return c.name == row.caption && c.index == row.captionIndex;
  });
  return FromUtf8(calc::WithoutLeader(caption->text));
}

QString ResultCaption(std::size_t result) {
  return FromUtf8(calc::WithoutLeader(calc::kResultCaptions.at(result)));
}

QString ResultsText(const RunView& run) {
  QString text;
  for (std::size_t k = 0; k < run.inputs.size(); ++k) {
    AppendLine(InputCaption(k), run.inputs[k], text);
  }
  for (std::size_t k = 0; k < run.results.size(); ++k) {
    AppendLine(ResultCaption(k), run.results[k], text);
  }
  return text;
}

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
