#include "ui/calculator_window/wire_hints.h"

#include <optional>

#include "plan/winding_plan.h"
#include "plan/wire_table.h"
#include "ui/common/figure.h"
#include "ui/common/utf8.h"

namespace ui {

std::array<QString, 2> WireHints(const calc::CalculatorState& record, bool fits, int grade) {
  std::array<QString, 2> hints;
  if (!fits) return hints;
  plan::Settings settings;
  settings.grade = grade;
  const plan::PlanInput input = plan::ReadRun(record);
  if (!plan::IsPlannable(input, settings)) return hints;
  for (std::size_t j = 0; j < hints.size(); ++j) {
    const std::optional<plan::Wire> wire = plan::ChooseWire(input.windings[j].diameter, grade);
    if (!wire) continue;
    hints[j] = QStringLiteral("Провод %1 мм по %2; в изоляции класса %3 — до %4 мм")
                   .arg(Figure(wire->bare, 3), FromUtf8(plan::kWireStandard))
                   .arg(grade)
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
