#include "ui/plan_window/planned_run.h"

#include <cstddef>

#include "calc/calculator.h"
#include "plan/wire_table.h"
#include "ui/common/figure.h"

namespace ui {

namespace {

QString ObstacleReason(plan::Obstacle obstacle, const plan::PlanInput& input) {
  switch (obstacle) {
    case plan::Obstacle::Form:
      return QStringLiteral(
                 "Форма сердечника %1 — не 1, 2 и не 3: план намотки составляется "
                 "только для этих трех форм.")
          .arg(input.form);
    case plan::Obstacle::NoWindings:
      return QStringLiteral("В расчете нет обмоток.");
    case plan::Obstacle::Dimensions:
      return QStringLiteral(
          "Размеры сердечника a, b, c (и h у броневых) должны быть больше 0 и "
          "не больше 1000 см.");
    case plan::Obstacle::Voltage:
      return QStringLiteral("Напряжения U1 и U2 должны быть больше 0.");
    case plan::Obstacle::Current:
      return QStringLiteral("Ток нагрузки l2 должен быть больше 0.");
    case plan::Obstacle::Turns:
      return QStringLiteral("Числа витков должны быть целыми, от 1 до 1 000 000.");
    case plan::Obstacle::Diameter:
      return QStringLiteral("Диаметры проводов не могут быть меньше 0.");
    case plan::Obstacle::Settings:
      return QStringLiteral("Настройки плана вне допустимых пределов.");
  }
  return {};
}

// The first winding that needs a wire above the table and has no own wire.
QString NoWireReason(const PlannedRun& planned) {
  const plan::PlanInput& input = *planned.input;
  for (std::size_t j = 0; j < input.windings.size() && j < 2; ++j) {
    const double diameter = input.windings[j].diameter;
    if (diameter <= plan::WireTable().back().bare || planned.settings.own_wire[j]) continue;
    return QStringLiteral(
               "Для %1 обмотки нужен провод диаметром %2 мм, а стандартные провода — "
               "не толще 5 мм. Задайте свой провод D%3 в настройках ниже.")
        .arg(j == 0 ? QStringLiteral("первичной") : QStringLiteral("вторичной"),
             Figure(diameter, 2))
        .arg(j + 1);
  }
  return {};
}

QString NoLayerReason(const PlannedRun& planned) {
  const plan::PlanInput& input = *planned.input;
  if (!calc::IsShellCore(input.form)) {
    return QStringLiteral(
               "В отверстие кольца диаметром %1 мм не ложится ни одного витка: провод "
               "с каркасом и изоляцией толще, чем позволяет отверстие.")
        .arg(Figure(10 * input.c, 1));
  }
  return QStringLiteral(
             "В слой не ложится ни одного витка: длина намотки вдоль стержня (высота "
             "окна h без двух стенок каркаса) — %1 мм, меньше диаметра провода в "
             "изоляции.")
      .arg(Figure(10 * input.h - 2 * planned.settings.bobbin, 2));
}

}  // namespace

PlannedRun PlanRun(const RunView& run, const plan::Settings& settings) {
  PlannedRun planned{run, std::nullopt, settings, {}};
  if (run.end == RunEnd::Fit) planned.input = plan::ReadRun(*run.record);
  planned.run.record = nullptr;  // the window's record changes with its next run
  Replan(planned, settings);
  return planned;
}

void Replan(PlannedRun& planned, const plan::Settings& settings) {
  planned.settings = settings;
  if (planned.input) {
    plan::MakePlan(*planned.input, settings, planned.plan);
  } else {
    planned.plan = plan::Plan{};
  }
}

QString NoPlanReason(const PlannedRun& planned) {
  if (planned.HasPlan()) return {};
  switch (planned.run.end) {
    case RunEnd::NotYet:
      return QStringLiteral(
          "Расчета еще не было: введите данные и нажмите «Вычислить» в окне "
          "расчета.");
    case RunEnd::Faulted:
      return QStringLiteral(
          "Последний расчет остановился с ошибкой, поэтому плана нет. Исправьте "
          "данные и нажмите «Вычислить».");
    case RunEnd::NotFit:
      return QStringLiteral(
          "Сердечник не подходит («Неподходит»): план намотки составляется "
          "только для подходящего сердечника.");
    case RunEnd::Fit:
      break;
  }
  switch (planned.plan.verdict) {
    case plan::Verdict::NoWire:
      return NoWireReason(planned);
    case plan::Verdict::No:
      return NoLayerReason(planned);
    default:
      return ObstacleReason(
          plan::FirstObstacle(*planned.input, planned.settings).value_or(plan::Obstacle::Settings),
          *planned.input);
  }
}

}  // namespace ui
