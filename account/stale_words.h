#pragma once

#include <string_view>

namespace account {

/// What the window and the page say of results that no longer match the fields they came from.
inline constexpr std::string_view kStaleResultsWords =
    "Данные в полях изменены после расчета: результаты относятся к прежним данным. Нажмите "
    "«Вычислить», чтобы пересчитать.";

/// What the plan window says of a plan and a check whose press's fields were edited since.
inline constexpr std::string_view kStalePlanWords =
    "Данные в окне расчета изменены после расчета: план и проверка относятся к прежним данным. "
    "Нажмите «Вычислить», чтобы пересчитать.";

/// The same on the page, where the fields stand above the plan.
inline constexpr std::string_view kStalePagePlanWords =
    "Данные в полях изменены после расчета: план и проверка относятся к прежним данным. Нажмите "
    "«Вычислить», чтобы пересчитать.";

}  // namespace account
