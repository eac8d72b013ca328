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

PlannedRun PlanRun(const RunView& run, const WindowSettings& settings, Turns preferred) {
  PlannedRun planned;
  planned.run = run;
  if (run.end == RunEnd::Fit) {
    planned.check_input = check::ReadRun(*run.record);
    planned.input = planned.check_input->run;
  }
  planned.run.record = nullptr;  // the window's record changes with its next run
  Replan(planned, settings, preferred);
  return planned;
}

void Replan(PlannedRun& planned, const WindowSettings& settings, Turns preferred) {
  planned.settings = settings.plan;
  planned.check_settings = settings.check;
  planned.refusal.clear();
  if (planned.input) {
    plan::MakePlan(*planned.input, settings.plan, planned.calculated);
    check::MakeCheck(*planned.check_input, planned.calculated, settings.plan, settings.check,
                     planned.check);
  } else {
    planned.calculated = plan::Plan{};
    planned.check = check::Check{};
  }
  planned.turns =
      preferred == Turns::Refined && HasRefined(planned) ? Turns::Refined : Turns::Calculated;
  planned.plan = planned.turns == Turns::Refined ? planned.check.refined.plan : planned.calculated;
}

void Refuse(PlannedRun& planned, const QString& reason) { planned.refusal = reason; }

bool HasRefined(const PlannedRun& planned) {
  const check::Refined& refined = planned.check.refined;
  return refined.turns.size() == 2 && !refined.plan.windings.empty();
}

QString TurnsText(const PlannedRun& planned) {
  const plan::Plan& shown = planned.plan;
  QString text = planned.turns == Turns::Refined ? QStringLiteral("уточненные витки")
                                                 : QStringLiteral("расчетные витки");
  if (shown.windings.size() < 2) return text;
  return text +
         QStringLiteral(": W1 %1, W2 %2").arg(shown.windings[0].turns).arg(shown.windings[1].turns);
}

QString NoPlanReason(const PlannedRun& planned) {
  if (planned.HasPlan()) return {};
  if (!planned.refusal.isEmpty()) {
    return QStringLiteral(
               "Настройка не принята: %1 План и проверка появятся, когда значение "
               "будет принято.")
        .arg(planned.refusal);
  }
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

QString NoCheckReason(const PlannedRun& planned) {
  // Without windings of the run's turns the plan shown is theirs, and its reason holds.
  if (!planned.refusal.isEmpty() || planned.calculated.windings.empty()) {
    return NoPlanReason(planned);
  }
  if (planned.check.calculated) return {};
  switch (check::FirstObstacle(*planned.check_input, planned.calculated, planned.check_settings)
              .value_or(check::Obstacle::NoPlan)) {
    case check::Obstacle::Dimensions:
      return QStringLiteral(
          "Проверки нет: размеры сердечника a, b, c (и h у броневых) должны "
          "быть не меньше 0.1 см.");
    case check::Obstacle::Voltage:
      return QStringLiteral(
          "Проверки нет: напряжения U1 и U2 должны быть от 0.001 до "
          "1 000 000 В.");
    case check::Obstacle::Current:
      return QStringLiteral("Проверки нет: токи I1 и I2 должны быть не больше 1 000 000 А.");
    case check::Obstacle::Steel:
      return QStringLiteral(
          "Проверки нет: индукция Bmax или коэффициент заполнения сталью не заданы "
          "(равны 0), см. замечания к расчету.");
    case check::Obstacle::Settings:
      return QStringLiteral("Проверки нет: настройки проверки вне допустимых пределов.");
    case check::Obstacle::NoPlan:
      break;
  }
  return QStringLiteral("Проверки нет: у плана расчетных витков нет обмоток.");
}

}  // namespace ui
