#include "plan/figures.h"

namespace plan {

namespace {

double Count(std::int64_t n) { return static_cast<double>(n); }

}  // namespace

// clang-format off
constinit const std::array<WindingFigure, 11> kWindingFigures{{
    {"Диаметр провода без изоляции, мм", 3, [](const WindingPlan& w) { return w.bare; }},
    {"Диаметр провода в изоляции, мм",   3, [](const WindingPlan& w) { return w.overall; }},
    {"Витков в слое",                    0, [](const WindingPlan& w) { return Count(w.turns_per_layer); }},
    {"Слоев",                            0, [](const WindingPlan& w) { return Count(w.layers); }},
    {"Толщина обмотки, мм",              2, [](const WindingPlan& w) { return w.build; }},
    {"Длина провода, м",                 2, [](const WindingPlan& w) { return w.length_m; }},
    {"Сопротивление при 20 °C, Ом",      3, [](const WindingPlan& w) { return w.resistance; }},
    {"Масса меди, г",                    1, [](const WindingPlan& w) { return w.mass_g; }},
    {"Потери в меди, Вт",                3, [](const WindingPlan& w) { return w.loss_w; }},
    {"Падение напряжения, В",            3, [](const WindingPlan& w) { return w.drop_v; }},
    {"Плотность тока, А/мм²",            2, [](const WindingPlan& w) { return w.current_density; }},
}};
// clang-format on

}  // namespace plan
