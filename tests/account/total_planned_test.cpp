#include "account/total_planned.h"

#include <gtest/gtest.h>

#include <string>

#include "account/copied_text.h"
#include "account/reasons.h"
#include "account/tables.h"
#include "tests/account/designs.h"

namespace account {
namespace {

using examples::kStart;
using examples::kValve;
using examples::kValveWindings;

constexpr std::string_view kValvePower =
    "Расчет по всем обмоткам: вторичных 3, мощность Pt = 82.6 Вт\n";

struct Made {
  Press press;
  windings::Outcome outcome;
};

Made Make(const calc::InputTexts& texts, const windings::Request& request) {
  Calculator calculator;
  Made made;
  made.press = calculator.CalculateAll(texts, {}, request, {}, made.outcome);
  return made;
}

std::size_t Count(const std::string& text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

struct TurnsCase {
  Turns preferred;
  const char* turns;
  const char* fill;
};

// Catches a switch that the design of all windings ignores: its plan stays the sized one.
TEST(TotalPlanned, ShowsThePreferredTurnsOfAllWindings) {
  const Made valve = Make(kValve, kValveWindings);
  for (const TurnsCase& c : {TurnsCase{Turns::Calculated, "W1 559, W2 1192, W3 35, W4 32", "66.9"},
                             TurnsCase{Turns::Refined, "W1 617, W2 1462, W3 19, W4 15", "78.3"}}) {
    const Planned planned = TotalPlanned(valve.outcome, {}, {}, c.preferred);
    EXPECT_EQ(planned.turns, c.preferred);
    EXPECT_TRUE(TurnsWords(planned).ends_with(c.turns)) << TurnsWords(planned);
    EXPECT_EQ(SummaryLines(planned.plan).at(0).value, c.fill);
  }
}

// Catches the Pt line missing from a copy of all windings, or said twice in the plan's copy,
// which holds the check's.
TEST(TotalPlanned, CopiesLeadWithThePowerLineOnce) {
  const Made valve = Make(kValve, kValveWindings);
  const Planned planned = TotalPlanned(valve.outcome, {}, {}, Turns::Calculated);
  const std::string plan = PlanText(valve.press, planned);
  EXPECT_TRUE(plan.starts_with(std::string(kValvePower) + "План намотки и проверка\n")) << plan;
  EXPECT_EQ(Count(plan, "Pt = "), 1u);
  EXPECT_TRUE(CheckText(planned).starts_with(std::string(kValvePower) + "Проверка\n"));
  const Planned described = PlanPress(valve.press, {}, Turns::Calculated);
  EXPECT_TRUE(PlanText(valve.press, described).starts_with("План намотки и проверка\n"));
}

// Catches the reason of a press that was never made, or of the main secondary's core, given for
// a design of all windings that is not made.
TEST(TotalPlanned, SaysWhyAllWindingsHaveNoPlan) {
  const Made too_big = Make(kStart, {windings::Kind::Ac, {{100, 5}}});
  ASSERT_TRUE(too_big.press.fits());
  EXPECT_TRUE(NoPlanReason(TotalPlanned(too_big.outcome, {}, {}, Turns::Refined))
                  .starts_with("Сердечник не подходит для всех обмоток вместе"));
  const Made zero = Make(kStart, {windings::Kind::Ac, {{0, 1}}});
  const Planned out_of_bounds = TotalPlanned(zero.outcome, {}, {}, Turns::Refined);
  EXPECT_TRUE(NoPlanReason(out_of_bounds).starts_with("2-я вторичная обмотка вне границ"));
  EXPECT_EQ(NoCheckReason(out_of_bounds), NoPlanReason(out_of_bounds));
}

}  // namespace
}  // namespace account
