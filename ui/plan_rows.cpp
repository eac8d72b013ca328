#include "ui/plan_rows.h"

#include <charconv>
#include <iterator>
#include <string>

#include "plan/wire_table.h"
#include "ui/utf8.h"
#include "values/number_text.h"

namespace ui {

namespace {

struct NumberColumn {
  const char* caption;
  int decimals;
  double (*value)(const plan::WindingPlan&);
};

// The decimals are the batch tool's, so the window, its sheet and the batch output agree.
// clang-format off
constexpr NumberColumn kNumberColumns[] = {
    {"Диаметр провода без изоляции, мм", 3, [](const plan::WindingPlan& w) { return w.bare; }},
    {"Диаметр провода в изоляции, мм",   3, [](const plan::WindingPlan& w) { return w.overall; }},
    {"Число витков",                     0, [](const plan::WindingPlan& w) { return static_cast<double>(w.turns); }},
    {"Витков в слое",                    0, [](const plan::WindingPlan& w) { return static_cast<double>(w.turns_per_layer); }},
    {"Слоев",                            0, [](const plan::WindingPlan& w) { return static_cast<double>(w.layers); }},
    {"Толщина обмотки, мм",              2, [](const plan::WindingPlan& w) { return w.build; }},
    {"Длина провода, м",                 2, [](const plan::WindingPlan& w) { return w.length_m; }},
    {"Сопротивление при 20 °C, Ом",      3, [](const plan::WindingPlan& w) { return w.resistance; }},
    {"Масса меди, г",                    1, [](const plan::WindingPlan& w) { return w.mass_g; }},
    {"Потери в меди, Вт",                3, [](const plan::WindingPlan& w) { return w.loss_w; }},
    {"Падение напряжения, В",            3, [](const plan::WindingPlan& w) { return w.drop_v; }},
    {"Плотность тока, А/мм²",            2, [](const plan::WindingPlan& w) { return w.current_density; }},
};
// clang-format on

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

const std::array<QString, 2> kWindingHeadings = {QStringLiteral("1-я обмотка"),
                                                 QStringLiteral("2-я обмотка")};

QString Figure(double x, int decimals) {
  std::string text;
  values::AppendExactFixed(x, decimals, text);
  return QString::fromStdString(text);
}

std::vector<WindingRow> WindingRows(const plan::Plan& plan) {
  std::vector<WindingRow> rows;
  const auto each = [&plan](auto text) {
    std::array<QString, 2> values;
    for (std::size_t j = 0; j < values.size() && j < plan.windings.size(); ++j) {
      values[j] = text(plan.windings[j]);
    }
    return values;
  };
  rows.push_back({QStringLiteral("Провод"), each(WireKind)});
  for (const NumberColumn& column : kNumberColumns) {
    rows.push_back({QString::fromUtf8(column.caption), each([&column](const auto& winding) {
                      return Figure(column.value(winding), column.decimals);
                    })});
  }
  return rows;
}

std::vector<PlanLine> SummaryLines(const plan::Plan& plan) {
  const bool ring = plan.hole_left.has_value();
  std::vector<PlanLine> lines = {
      {ring ? QStringLiteral("Заполнение отверстия кольца по радиусу, %")
            : QStringLiteral("Заполнение окна по ширине, %"),
       Figure(plan.fill * 100, 1)},
      {QStringLiteral("Глубина намотки от сердечника, мм"), Figure(plan.depth, 2)},
  };
  if (ring) {
    lines.push_back(
        {QStringLiteral("Остающееся отверстие кольца, мм"), Figure(*plan.hole_left, 1)});
  }
  return lines;
}

QString SettingValueText(const plan::Settings& settings, plan::Setting which) {
  const std::optional<double> value = plan::SettingValue(settings, which);
  if (!value) return {};
  char text[32];
  const auto written =
      std::to_chars(std::begin(text), std::end(text), *value, std::chars_format::fixed);
  return QString::fromLatin1(text, written.ptr - text);
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
