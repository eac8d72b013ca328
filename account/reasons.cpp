#include "account/reasons.h"

#include <cstddef>

#include "account/figure_text.h"
#include "calc/calculator.h"
#include "plan/wire_table.h"

namespace account {

namespace {

std::string ObstacleReason(plan::Obstacle obstacle, const plan::PlanInput& input) {
  switch (obstacle) {
    case plan::Obstacle::Form:
      return "Форма сердечника " + std::to_string(input.form) +
             " — не 1, 2 и не 3: план намотки составляется только для этих трех форм.";
    case plan::Obstacle::NoWindings:
      return "В расчете нет обмоток.";
    case plan::Obstacle::Dimensions:
      return "Размеры сердечника a, b, c (и h у броневых) должны быть больше 0 и не больше "
             "1000 см.";
    case plan::Obstacle::Voltage:
      return "Напряжения U1 и U2 должны быть больше 0.";
    case plan::Obstacle::Current:
      return "Ток нагрузки I2 должен быть больше 0.";
    case plan::Obstacle::Turns:
      return "Числа витков должны быть целыми, от 1 до 1 000 000.";
    case plan::Obstacle::Diameter:
      return "Диаметры проводов не могут быть меньше 0.";
    case plan::Obstacle::Settings:
      return "Настройки плана вне допустимых пределов.";
  }
  return {};
}

// The winding as a reason names it: the primary, or a secondary.
std::string_view Whose(std::size_t winding) { return winding == 0 ? "первичной" : "вторичной"; }

// The first winding that needs a wire above the table and has no own wire.
std::string NoWireReason(const Planned& planned) {
  const plan::PlanInput& input = *planned.input;
  const auto& own = planned.settings.own_wire;
  for (std::size_t j = 0; j < input.windings.size(); ++j) {
    const double diameter = input.windings[j].diameter;
    const bool settable = j < own.size();
    if (diameter <= plan::WireTable().back().bare || (settable && own[j])) continue;
    std::string reason = "Для " + std::string(Whose(j)) + " обмотки нужен провод диаметром " +
                         FigureText(diameter, 2) + " мм, а стандартные провода — не толще 5 мм.";
    if (settable) {
      reason += " Задайте свой провод D" + std::to_string(j + 1) + " в настройках ниже.";
    }
    return reason;
  }
  return {};
}

std::string NoLayerReason(const Planned& planned) {
  const plan::PlanInput& input = *planned.input;
  if (!calc::IsShellCore(input.form)) {
    return "В отверстие кольца диаметром " + FigureText(10 * input.c, 1) +
           " мм не ложится ни одного витка: провод с каркасом и изоляцией толще, чем позволяет "
           "отверстие.";
  }
  return "В слой не ложится ни одного витка: длина намотки вдоль стержня (высота окна h без двух "
         "стенок каркаса) — " +
         FigureText(10 * input.h - 2 * planned.settings.bobbin, 2) +
         " мм, меньше диаметра провода в изоляции.";
}

std::string NoPressReason(End end) {
  switch (end) {
    case End::NotYet:
      return "Расчета еще не было: введите данные и нажмите «Вычислить».";
    case End::Faulted:
      return "Последний расчет остановился с ошибкой, поэтому плана нет. Исправьте данные и "
             "нажмите «Вычислить».";
    case End::NotFit:
      return "Сердечник не подходит («Неподходит»): план намотки составляется только для "
             "подходящего сердечника.";
    case End::Fit:
      break;
  }
  return {};
}

std::string CheckObstacleReason(check::Obstacle obstacle) {
  switch (obstacle) {
    case check::Obstacle::Dimensions:
      return "Проверки нет: размеры сердечника a, b, c (и h у броневых) должны быть не меньше "
             "0.1 см.";
    case check::Obstacle::Voltage:
      return "Проверки нет: напряжения U1 и U2 должны быть от 0.001 до 1 000 000 В.";
    case check::Obstacle::Current:
      return "Проверки нет: токи I1 и I2 должны быть не больше 1 000 000 А.";
    case check::Obstacle::Steel:
      return "Проверки нет: индукция Bmax или коэффициент заполнения сталью не заданы (равны 0), "
             "см. замечания к расчету.";
    case check::Obstacle::Settings:
      return "Проверки нет: настройки проверки вне допустимых пределов.";
    case check::Obstacle::NoPlan:
      break;
  }
  return "Проверки нет: у плана расчетных витков нет обмоток.";
}

}  // namespace

std::string NoPlanReason(const Planned& planned) {
  if (planned.HasPlan()) return {};
  if (!planned.refusal.empty()) {
    return "Настройка не принята: " + planned.refusal +
           " План и проверка появятся, когда значение будет принято.";
  }
  if (!planned.unmade.empty()) return planned.unmade;
  if (!planned.input) return NoPressReason(planned.end);
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

std::string NoCheckReason(const Planned& planned) {
  // Without windings of the run's turns the plan shown is theirs, and its reason holds.
  if (!planned.refusal.empty() || planned.calculated.windings.empty()) {
    return NoPlanReason(planned);
  }
  if (planned.check.calculated) return {};
  return CheckObstacleReason(
      check::FirstObstacle(*planned.check_input, planned.calculated, planned.check_settings)
          .value_or(check::Obstacle::NoPlan));
}

std::string NoRefinedReason(const Planned& planned) {
  const check::Refined& refined = planned.check.refined;
  if (refined.check) return {};
  if (refined.turns.empty()) {
    return "уточнить витки нельзя: число витков первичной обмотки выходит за 1 … 1 000 000.";
  }
  if (refined.plan.verdict == plan::Verdict::No && refined.plan.windings.empty()) {
    return "уточненные витки не ложатся в слой.";
  }
  return "уточнить витки нельзя: падение напряжения в первичной обмотке съедает все напряжение "
         "сети или вторичной обмотке нужно слишком много витков.";
}

}  // namespace account
