#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "check/design_check.h"
#include "check/temperature.h"
#include "check_support.h"

namespace check {
namespace {

// The secondary's output at the limit temperature with W1r, W turns, laid as the plan lays them.
double OutputAtLimit(const CheckInput& input, const plan::Settings& plan_settings,
                     const Settings& settings, std::int64_t w1r, std::int64_t w) {
  plan::PlanInput run = input.run;
  run.windings[0].turns = static_cast<double>(w1r);
  run.windings[1].turns = static_cast<double>(w);
  const plan::Plan plan = plan::MakePlan(run, plan_settings);
  const double k = detail::CopperFactor(settings.limit);
  const double emf = input.run.windings[0].voltage -
                     input.run.windings[0].current * plan.windings[0].resistance * k;
  return emf * static_cast<double>(w) / static_cast<double>(w1r) -
         input.run.windings[1].current * plan.windings[1].resistance * k;
}

struct Session {
  const char* name;
  calc::InputTexts inputs;
  double limit;
};

// W2r is the fewest turns that still give U2 at full load at the limit, R2 growing with them:
// one turn fewer falls short. The start ring needs two more than its first try.
TEST(Refined, SecondaryIsTheFewestTurnsThatGiveU2AtTheLimit) {
  const Session sessions[] = {
      {"start ring", {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"}, 105},
      {"small shell", {"1", "220", "12", "1", "2", "2.5", "1.2", "3", "0.35"}, 105},
      {"small shell hot", {"1", "220", "12", "1", "2", "2.5", "1.2", "3", "0.35"}, 250},
      {"6.3 V 3 A ring", {"3", "220", "6.3", "3", "2.5", "4", "6", "0", "0.2"}, 105},
      {"36 V shell", {"1", "127", "36", "0.49", "2", "1.7", "0.31", "26.1", "0.2"}, 130},
  };
  for (const Session& s : sessions) {
    const CheckInput input = InputOfRun(s.inputs);
    Settings settings;
    settings.limit = s.limit;
    const plan::Plan plan = plan::MakePlan(input.run, {});
    const Check check = MakeCheck(input, plan, {}, settings);
    ASSERT_TRUE(check.refined.check) << s.name;
    const std::vector<std::int64_t>& turns = check.refined.turns;
    ASSERT_EQ(turns.size(), 2u) << s.name;
    ASSERT_TRUE(check.refined.first_secondary) << s.name;
    EXPECT_GE(turns[1], *check.refined.first_secondary) << s.name;
    const double u2 = input.run.windings[1].voltage;
    EXPECT_GE(OutputAtLimit(input, {}, settings, turns[0], turns[1]), u2) << s.name;
    if (turns[1] > 1) {
      EXPECT_LT(OutputAtLimit(input, {}, settings, turns[0], turns[1] - 1), u2) << s.name;
    }
    // At its own temperature, below the limit, the refined output is a little above U2.
    EXPECT_GE(check.refined.check->outputs[0].full_load, u2) << s.name;
  }
  const Check start = MakeCheck(StartRing(), plan::MakePlan(StartRing().run, {}), {}, {});
  EXPECT_EQ(start.refined.first_secondary, 38);
  EXPECT_EQ(start.refined.turns, (std::vector<std::int64_t>{662, 40}));
}

// A ring with a thick own secondary wire: its first try still fits the hole, but the turns it
// grows to close it.
TEST(Refined, RingWhoseHoleClosesWhileTheSecondaryGrowsIsNo) {
  CheckInput input;
  input.run = {3, 2, 5, 1.52, 0, {{220, 0.099973, 600, 0.1648}, {12, 1.5, 10, 0.6384}}};
  input.bmax = 1.7;
  input.ks = 0.88;
  plan::Settings plan_settings;
  plan_settings.own_wire[1] = 1.35;
  const plan::Plan plan = plan::MakePlan(input.run, plan_settings);
  ASSERT_FALSE(plan.windings.empty());
  const Check check = MakeCheck(input, plan, plan_settings, {});
  ASSERT_TRUE(check.calculated);
  ASSERT_TRUE(check.refined.first_secondary);
  plan::PlanInput first = input.run;
  first.windings[0].turns = static_cast<double>(check.refined.turns.at(0));
  first.windings[1].turns = static_cast<double>(*check.refined.first_secondary);
  ASSERT_FALSE(plan::MakePlan(first, plan_settings).windings.empty()) << "the first try fits";
  EXPECT_EQ(check.refined.plan.verdict, plan::Verdict::No);
  EXPECT_TRUE(check.refined.plan.windings.empty());
  EXPECT_EQ(check.refined.turns.size(), 1u);
  EXPECT_FALSE(check.refined.check);
}

struct NoTurnsCase {
  const char* name;
  void (*change)(CheckInput&, plan::Settings&);
  std::size_t turns_known;  // W1r known or not
  plan::Verdict verdict;
  int emf;  // the sign of E, 0 when not computed
};

// Without refined turns the check of the calculated turns still stands.
TEST(Refined, NoneOrNoWhenNoTurnsDoWhatWasAsked) {
  using I = CheckInput&;
  using P = plan::Settings&;
  const NoTurnsCase cases[] = {
      // 1 MV on the ring's 8.8 cm² needs three million turns.
      {"W1r above a million", [](I in, P) { in.run.windings[0].voltage = 1e6; }, 0,
       plan::Verdict::None, 0},
      // A thin own primary wire drops more than U1 at full load.
      {"E not above 0",
       [](I in, P settings) {
         settings.own_wire[0] = 0.05;
         in.run.windings[0].current = 20;
       },
       1, plan::Verdict::None, -1},
      // The refined primary alone does not go round the hole.
      {"primary holds no turn",
       [](I in, P settings) {
         settings.own_wire[0] = 8;
         in.run.windings[0].turns = 1;
         in.run.windings[1].turns = 1;
       },
       1, plan::Verdict::No, 0},
      // 1000 V from a thin own secondary at 1000 A: the drop outgrows every count.
      {"W2r above a million",
       [](I in, P settings) {
         settings.own_wire[1] = 0.05;
         in.run.windings[1].voltage = 1000;
         in.run.windings[1].current = 1000;
       },
       1, plan::Verdict::None, 1},
  };
  for (const NoTurnsCase& c : cases) {
    CheckInput input = StartRing();
    plan::Settings plan_settings;
    c.change(input, plan_settings);
    const plan::Plan plan = plan::MakePlan(input.run, plan_settings);
    const Check check = MakeCheck(input, plan, plan_settings, {});
    ASSERT_TRUE(check.calculated) << c.name;
    EXPECT_EQ(check.refined.turns.size(), c.turns_known) << c.name;
    EXPECT_EQ(check.refined.plan.verdict, c.verdict) << c.name;
    EXPECT_TRUE(check.refined.plan.windings.empty()) << c.name;
    EXPECT_FALSE(check.refined.check) << c.name;
    const int emf = !check.refined.emf ? 0 : *check.refined.emf > 0 ? 1 : -1;
    EXPECT_EQ(emf, c.emf) << c.name;
  }
}

struct FluxCase {
  double refine_flux;
  std::int64_t primary;  // ceil(U1 · 10⁴ / (√2·π · 50 · B · 8.8))
  bool refined_flux_high;
};

// The refine flux sets W1r alone: the calculated turns' check is as without it, and the refined
// design's flux is still judged against the table's 1.7 T.
TEST(Refined, PrimaryAimsAtTheRefineFluxWhileFlagsKeepTheTablesBmax) {
  const FluxCase cases[] = {{1.2, 938, false}, {1.7, 662, false}, {2.5, 451, true}};
  const CheckInput input = StartRing();
  const plan::Plan plan = plan::MakePlan(input.run, {});
  const Check plain = MakeCheck(input, plan, {}, {});
  for (const FluxCase& c : cases) {
    Settings settings;
    settings.refine_flux = c.refine_flux;
    const Check check = MakeCheck(input, plan, {}, settings);
    ASSERT_TRUE(check.calculated && check.refined.check) << c.refine_flux;
    EXPECT_EQ(check.calculated->flags, plain.calculated->flags) << c.refine_flux;
    EXPECT_EQ(check.refined.turns.at(0), c.primary) << c.refine_flux;
    // Rounded up: at the refine flux or below it by less than one turn's share.
    const double b0 = check.refined.check->flux_density;
    const double turns = static_cast<double>(c.primary);
    EXPECT_LE(b0, c.refine_flux) << c.refine_flux;
    EXPECT_GT(b0, c.refine_flux * (turns - 1) / turns) << c.refine_flux;
    EXPECT_EQ(check.refined.check->flags[static_cast<std::size_t>(Flag::FluxHigh)],
              c.refined_flux_high)
        << c.refine_flux;
  }
}

TEST(MakeCheck, ReusedStorageGivesTheSameCheck) {
  const CheckInput ring = StartRing();
  const CheckInput shell = SmallShell();
  const plan::Plan ring_plan = plan::MakePlan(ring.run, {});
  const plan::Plan shell_plan = plan::MakePlan(shell.run, {});
  Check reused;
  MakeCheck(shell, shell_plan, {}, {}, reused);
  MakeCheck(ring, ring_plan, {}, {}, reused);
  const Check fresh = MakeCheck(ring, ring_plan, {}, {});
  EXPECT_EQ(reused.refined.turns, fresh.refined.turns);
  EXPECT_EQ(reused.refined.plan.verdict, fresh.refined.plan.verdict);
  ASSERT_TRUE(reused.refined.check && fresh.refined.check);
  EXPECT_EQ(reused.refined.check->temperature, fresh.refined.check->temperature);
  EXPECT_EQ(reused.calculated->outline.y, std::nullopt);
}

}  // namespace
}  // namespace check
