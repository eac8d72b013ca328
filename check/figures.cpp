#include "check/figures.h"

#include <cstddef>

namespace check {

namespace {

using Value = std::optional<double>;

// The one secondary the batch tool and the window show today.
const OutputCheck& Output(const DesignCheck& d) { return d.outputs.front(); }

}  // namespace

// clang-format off
extern constexpr std::array<DesignFigure, 15> kDesignFigures{{
    {Figure::FluxDensity,     "Индукция без нагрузки B0, Тл",           3, [](const DesignCheck& d) -> Value { return d.flux_density; }},
    {Figure::NoLoadVoltage,   "Напряжение без нагрузки U0, В",          2, [](const DesignCheck& d) -> Value { return Output(d).no_load; }},
    {Figure::FullLoadVoltage, "Напряжение под нагрузкой UL, В",         2, [](const DesignCheck& d) -> Value { return Output(d).full_load; }},
    {Figure::Regulation,      "Изменение напряжения под нагрузкой, %",  1, [](const DesignCheck& d) -> Value { return Output(d).regulation; }},
    {Figure::Deviation,       "Отклонение от U2, %",                    1, [](const DesignCheck& d) -> Value { return Output(d).deviation; }},
    {Figure::SteelMass,       "Масса стали, г",                         1, [](const DesignCheck& d) -> Value { return d.steel_mass_g; }},
    {Figure::CoreLoss,        "Потери в стали, Вт",                     2, [](const DesignCheck& d) -> Value { return d.core_loss_w; }},
    {Figure::CopperLoss,      "Потери в меди нагретых обмоток, Вт",     2, [](const DesignCheck& d) -> Value { return d.copper_loss_w; }},
    {Figure::Efficiency,      "КПД, %",                                 1, [](const DesignCheck& d) -> Value { return d.efficiency; }},
    {Figure::Surface,         "Поверхность охлаждения, см²",            1, [](const DesignCheck& d) -> Value { return d.surface_cm2; }},
    {Figure::Temperature,     "Температура обмоток, °C",                1, [](const DesignCheck& d) -> Value { return d.temperature; }},
    {Figure::OutlineX,        "Габарит X (ширина, у кольца диаметр), мм", 1, [](const DesignCheck& d) -> Value { return d.outline.x; }},
    {Figure::OutlineY,        "Габарит Y (высота), мм",                 1, [](const DesignCheck& d) -> Value { return d.outline.y; }},
    {Figure::OutlineZ,        "Габарит Z (глубина, у кольца высота), мм", 1, [](const DesignCheck& d) -> Value { return d.outline.z; }},
    {Figure::TotalMass,       "Масса трансформатора, г",                1, [](const DesignCheck& d) -> Value { return d.total_mass_g; }},
}};
// clang-format on

namespace {

constexpr bool FiguresFollowTheirOrder() {
  for (std::size_t i = 0; i < kDesignFigures.size(); ++i) {
    if (static_cast<std::size_t>(kDesignFigures[i].which) != i) return false;
  }
  return true;
}
static_assert(FiguresFollowTheirOrder(), "kDesignFigures is indexed by Figure");

}  // namespace

const DesignFigure& FigureOf(Figure which) {
  return kDesignFigures[static_cast<std::size_t>(which)];
}

}  // namespace check
