#include "check/turn_marks.h"

#include <gtest/gtest.h>

#include "check_support.h"

namespace check {
namespace {

constexpr std::string_view kWindow = "окно «План намотки и проверка» (F4)";

struct MarkCase {
  const char* name;
  void (*change)(plan::PlanInput&);  // the start ring's turns or windings, changed
  const char* words;
};

// Only flux-high and volts are named, each output that is off by its winding when there are
// several; a design the check passes gets no words.
TEST(TurnMarks, NameWhatTheCheckFindsAndTheRefinedTurns) {
  using R = plan::PlanInput&;
  const MarkCase cases[] = {
      {"as calculated", [](R) {},
       "Проверка: при этих витках индукция без нагрузки 2.002 Тл (по таблице 1.700), под "
       "нагрузкой 18.45 В вместо 12 В. Уточненные витки: W1 662, W2 40 — окно «План намотки и "
       "проверка» (F4)"},
      {"refined turns pass",
       [](R run) {
         run.windings[0].turns = 662;
         run.windings[1].turns = 40;
       },
       ""},
      {"volts alone",
       [](R run) {
         run.windings[0].turns = 662;
         run.windings[1].turns = 50;
       },
       "Проверка: при этих витках под нагрузкой 15.50 В вместо 12 В. Уточненные витки: W1 662, "
       "W2 40 — окно «План намотки и проверка» (F4)"},
      {"flux alone", [](R run) { run.windings[1].turns = 34; },
       "Проверка: при этих витках индукция без нагрузки 2.002 Тл (по таблице 1.700). Уточненные "
       "витки: W1 662, W2 40 — окно «План намотки и проверка» (F4)"},
      {"a third winding off, the second right",
       [](R run) {
         run.windings[1].turns = 34;
         run.windings.push_back({6, 1, 20, 0.5});
       },
       "Проверка: при этих витках индукция без нагрузки 2.002 Тл (по таблице 1.700), под "
       "нагрузкой на W3 7.29 В вместо 6 В. Уточненные витки: W1 662, W2 40, W3 20 — окно «План "
       "намотки и проверка» (F4)"},
  };
  for (const MarkCase& c : cases) {
    CheckInput input = StartRing();
    c.change(input.run);
    const Check check = MakeCheck(input, plan::MakePlan(input.run, {}), {}, {});
    EXPECT_EQ(TurnMarkWords(input, check, kWindow), c.words) << c.name;
  }
}

// 1 MV on the ring needs over a million turns: the words say so, and without a place to look
// end there.
TEST(TurnMarks, WithoutRefinedTurnsSayTheyCannotBeFound) {
  CheckInput input = StartRing();
  input.run.windings[0].voltage = 1e6;
  const Check check = MakeCheck(input, plan::MakePlan(input.run, {}), {}, {});
  const std::string words = TurnMarkWords(input, check, "");
  EXPECT_TRUE(words.starts_with("Проверка: при этих витках индукция без нагрузки ")) << words;
  EXPECT_TRUE(words.ends_with(" В вместо 12 В. Уточненные витки не подобрать")) << words;
}

// A thick own secondary on the small shell: the refined turns are named with the plan's refusal.
TEST(TurnMarks, RefinedTurnsThatDoNotFitTheWindowSaySo) {
  const CheckInput input = SmallShell();
  plan::Settings plan_settings;
  plan_settings.own_wire[1] = 1.2;
  const Check check = MakeCheck(input, plan::MakePlan(input.run, plan_settings), plan_settings, {});
  const std::string words = TurnMarkWords(input, check, "");
  EXPECT_TRUE(words.ends_with("Уточненные витки: W1 1775, W2 107 (в окно не помещаются)")) << words;
}

}  // namespace
}  // namespace check
