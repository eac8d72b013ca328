#include "ui/calculator_window/wire_hints.h"

#include <optional>

#include "plan/winding_plan.h"
#include "plan/wire_table.h"
#include "ui/common/figure.h"
#include "ui/common/utf8.h"

namespace ui {

std::array<QString, 2> WireHints(const calc::CalculatorState& record, bool fits,
                                 const plan::Settings& settings) {
  std::array<QString, 2> hints;
  if (!fits) return hints;
  const plan::PlanInput input = plan::ReadRun(record);
  if (!plan::IsPlannable(input, settings)) return hints;
  for (std::size_t j = 0; j < hints.size(); ++j) {
    const std::optional<plan::Wire> wire = plan::PlannedWire(input, settings, j);
    if (!wire) continue;
    const QString bare = Figure(wire->bare, 3);
    const QString source =
        settings.own_wire[j]
            ? QStringLiteral("Свой провод %1 мм из настроек плана намотки").arg(bare)
            : QStringLiteral("Провод %1 мм по %2").arg(bare, FromUtf8(plan::kWireStandard));
    hints[j] = QStringLiteral("%1; в изоляции класса %2 — до %3 мм")
                   .arg(source)
                   .arg(settings.grade)
                   .arg(Figure(wire->overall, 3));
  }
  return hints;
}

QString VerdictHint(const QKeySequence& keys) {
  return QStringLiteral(
             "Поместятся ли обмотки, какой провод взять и сколько его нужно — в плане "
             "намотки: %1 или «План намотки…» в меню правой кнопки мыши")
      .arg(keys.toString(QKeySequence::NativeText));
}

}  // namespace ui
