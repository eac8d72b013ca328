#include "ui/plan_window/plan_rows.h"

#include <charconv>
#include <iterator>
#include <system_error>

#include "plan/figures.h"
#include "plan/wire_table.h"
#include "ui/common/figure.h"
#include "ui/common/utf8.h"

namespace ui {

namespace {

QString WireKind(const plan::WindingPlan& winding) {
  return winding.own_wire ? QStringLiteral("свой провод") : QStringLiteral("стандартный");
}

QString SettingText(const plan::Settings& settings, plan::Setting which) {
  const QString value = SettingValueText(settings, which);
  if (value.isEmpty()) return QStringLiteral("стандартный провод");
  const std::string_view unit = plan::SettingUnit(which);
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

QString SettingValueText(const plan::Settings& settings, plan::Setting which) {
  const std::optional<double> value = plan::SettingValue(settings, which);
  if (!value) return {};
  // Any double fits: 309 whole digits, or "0." and 324 decimals, and a sign.
  char text[330];
  const auto [end, error] =
      std::to_chars(std::begin(text), std::end(text), *value, std::chars_format::fixed);
  if (error != std::errc{}) return QStringLiteral("—");
  return QString::fromLatin1(text, end - text);
}

std::vector<PlanLine> SettingLines(const plan::Settings& settings) {
  std::vector<PlanLine> lines;
  for (const plan::Setting which : plan::kAllSettings) {
    lines.push_back({FromUtf8(plan::SettingName(which)), SettingText(settings, which)});
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
