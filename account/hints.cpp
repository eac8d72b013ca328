#include "account/hints.h"

#include "account/figure_text.h"
#include "account/flag_words.h"
#include "check/turn_marks.h"
#include "plan/wire_table.h"

namespace account {

std::vector<std::string> WireWords(const Planned& planned) {
  std::vector<std::string> words;
  if (!planned.refusal.empty()) return words;
  for (const plan::WindingPlan& winding : planned.calculated.windings) {
    const std::string bare = FigureText(winding.bare, 3);
    const std::string source =
        winding.own_wire ? "Свой провод " + bare + " мм из настроек плана намотки"
                         : "Провод " + bare + " мм по " + std::string(plan::kWireStandard);
    words.push_back(source + "; в изоляции класса " + std::to_string(planned.settings.grade) +
                    " — до " + FigureText(winding.overall, 3) + " мм");
  }
  return words;
}

std::string CalculatedCheckWords(const Planned& planned) {
  if (!planned.refusal.empty() || !planned.check.calculated) return {};
  return "Проверка расчетных витков: " +
         FlagSummary(*planned.check_input, *planned.check.calculated, planned.check_settings);
}

std::string TurnMarkWords(const Planned& planned, std::string_view place) {
  if (!planned.refusal.empty() || !planned.check_input) return {};
  return check::TurnMarkWords(*planned.check_input, planned.check, place);
}

}  // namespace account
