#include "ui/calculator_window/copied_results.h"

#include <algorithm>
#include <cstddef>

#include "calc/result_labels.h"
#include "ui/calculator_window/control_table.h"
#include "ui/common/utf8.h"

namespace ui {

namespace {

void AppendLine(const QString& caption, const QString& value, QString& out) {
  out += CopiedLine(caption, value);
}

}  // namespace

QString CopiedLine(const QString& caption, const QString& value) {
  return caption + QLatin1Char('\t') + value + QLatin1Char('\n');
}

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
  if (!run.fault.isEmpty()) AppendLine(QStringLiteral("Расчет остановлен"), run.fault, text);
  return text;
}

}  // namespace ui
