#include "ui/plan_window/plan_rows.h"

#include "plan/figures.h"
#include "plan/wire_table.h"
#include "ui/common/figure.h"
#include "ui/common/utf8.h"

namespace ui {

namespace {

QString WireKind(const plan::WindingPlan& winding) {
  return winding.own_wire ? QStringLiteral("свой провод") : QStringLiteral("стандартный");
}

QString ValueWithUnit(const WindowSettings& settings, std::size_t k) {
  const QString value = SettingText(settings, k);
  if (value.isEmpty()) {
    // Of the plan's settings only an own wire may be left empty; a check setting says its meaning.
    if (k < plan::kAllSettings.size()) return QStringLiteral("стандартный провод");
    return FromUtf8(SettingRule(k).blank);
  }
  const std::string_view unit = SettingRule(k).unit;
  return unit.empty() ? value : value + QLatin1Char(' ') + FromUtf8(unit);
}

}  // namespace

const std::array<QString, 2> kWindingHeadings = {FromUtf8(plan::kWindingNames[0]),
                                                 FromUtf8(plan::kWindingNames[1])};

std::vector<WindingRow> WindingRows(const plan::Plan& plan) {
  std::vector<WindingRow> rows;
  const auto each = [&plan](auto text) {
    std::array<QString, 2> values;
    for (std::size_t j = 0; j < values.size() && j < plan.windings.size(); ++j) {
      values[j] = text(plan.windings[j]);
    }
    return values;
  };
  const auto figure_row = [&each](std::string_view name, int decimals, auto value) {
    return WindingRow{FromUtf8(name), each([decimals, value](const plan::WindingPlan& winding) {
                        return Figure(value(winding), decimals);
                      })};
  };
  rows.push_back({QStringLiteral("Провод"), each(WireKind)});
  // The window names the turns too, after the wire; the batch tool has them among the results.
  constexpr std::size_t kWireFigures = 2;
  for (std::size_t k = 0; k < plan::kWindingFigures.size(); ++k) {
    if (k == kWireFigures) {
      rows.push_back(figure_row("Число витков", 0, [](const plan::WindingPlan& w) {
        return static_cast<double>(w.turns);
      }));
    }
    const plan::WindingFigure& figure = plan::kWindingFigures[k];
    rows.push_back(figure_row(figure.name, figure.decimals, figure.value));
  }
  return rows;
}

std::vector<PlanLine> SummaryLines(const plan::Plan& plan) {
  const bool ring = plan.hole_left.has_value();
  std::vector<PlanLine> lines = {
      {ring ? QStringLiteral("Заполнение отверстия кольца по радиусу, %")
            : QStringLiteral("Заполнение окна по ширине, %"),
       Figure(plan.fill * 100, plan::kFillDecimals)},
      {QStringLiteral("Глубина намотки от сердечника, мм"),
       Figure(plan.depth, plan::kDepthDecimals)},
  };
  if (ring) {
    lines.push_back({QStringLiteral("Остающееся отверстие кольца, мм"),
                     Figure(*plan.hole_left, plan::kHoleDecimals)});
  }
  return lines;
}

std::vector<PlanLine> SettingLines(const PlannedRun& planned) {
  const WindowSettings settings{planned.settings, planned.check_settings};
  std::vector<PlanLine> lines;
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    lines.push_back({FromUtf8(SettingRule(k).name), ValueWithUnit(settings, k)});
  }
  return lines;
}

QString PlanNote(const plan::Settings& settings) {
  return QStringLiteral(
             "Длины провода — без выводов. Каркас (у кольца — изоляция на нем), "
             "межслойная изоляция, изоляция между обмотками и наружная — толщины из "
             "настроек. Стандартный провод — по %1, диаметр в изоляции — наибольший "
             "для класса изоляции %2.")
      .arg(FromUtf8(plan::kWireStandard))
      .arg(settings.grade);
}

}  // namespace ui
