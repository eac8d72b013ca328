#include "check/design_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "check/figures.h"
#include "check_support.h"

namespace check {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct BoundCase {
  const char* name;
  bool shell;
  void (*change)(CheckInput&);
  std::optional<Obstacle> expected;
};

// The bounds that keep every figure finite, each at and just past its edge.
TEST(FirstObstacle, NamesTheBoundMissed) {
  using I = CheckInput&;
  const BoundCase cases[] = {
      {"as run", false, [](I) {}, std::nullopt},
      {"a 0.1", false, [](I in) { in.run.a = 0.1; }, std::nullopt},
      {"a under 0.1", false, [](I in) { in.run.a = std::nextafter(0.1, 0); }, Obstacle::Dimensions},
      {"b under 0.1", false, [](I in) { in.run.b = 0.0999; }, Obstacle::Dimensions},
      {"c under 0.1", false, [](I in) { in.run.c = 0.0999; }, Obstacle::Dimensions},
      {"c NaN", false, [](I in) { in.run.c = kNaN; }, Obstacle::Dimensions},
      {"ring needs no h", false, [](I in) { in.run.h = 0; }, std::nullopt},
      {"shell h 0.1", true, [](I in) { in.run.h = 0.1; }, std::nullopt},
      {"shell h under 0.1", true, [](I in) { in.run.h = 0.0999; }, Obstacle::Dimensions},
      {"U1 0.001", false, [](I in) { in.run.windings[0].voltage = 0.001; }, std::nullopt},
      {"U1 under 0.001", false, [](I in) { in.run.windings[0].voltage = 0.000999; },
       Obstacle::Voltage},
      {"U2 under 0.001", false, [](I in) { in.run.windings[1].voltage = 0.000999; },
       Obstacle::Voltage},
      {"U1 a million", false, [](I in) { in.run.windings[0].voltage = 1e6; }, std::nullopt},
      {"U2 above a million", false,
       [](I in) { in.run.windings[1].voltage = std::nextafter(1e6, kInf); }, Obstacle::Voltage},
      {"I1 a million", false, [](I in) { in.run.windings[0].current = 1e6; }, std::nullopt},
      {"I1 above a million", false,
       [](I in) { in.run.windings[0].current = std::nextafter(1e6, kInf); }, Obstacle::Current},
      {"I2 above a million", false, [](I in) { in.run.windings[1].current = 1e6 + 1; },
       Obstacle::Current},
      {"I1 NaN", false, [](I in) { in.run.windings[0].current = kNaN; }, Obstacle::Current},
      {"Bmax 0", false, [](I in) { in.bmax = 0; }, Obstacle::Steel},
      {"Ks infinite", false, [](I in) { in.ks = kInf; }, Obstacle::Steel},
      {"no secondary", false, [](I in) { in.run.windings.resize(1); }, Obstacle::NoPlan},
  };
  for (const BoundCase& c : cases) {
    CheckInput input = c.shell ? SmallShell() : StartRing();
    const plan::Plan plan = plan::MakePlan(input.run, plan::Settings{});
    c.change(input);
    EXPECT_EQ(FirstObstacle(input, plan, Settings{}), c.expected) << c.name;
  }
}

TEST(FirstObstacle, APlanWithoutFiguresOrARefusedSettingGivesNoCheck) {
  const CheckInput input = StartRing();
  plan::Plan none;
  none.verdict = plan::Verdict::No;
  EXPECT_EQ(FirstObstacle(input, none, Settings{}), Obstacle::NoPlan);
  Settings hot;
  hot.limit = 251;
  const plan::Plan plan = plan::MakePlan(input.run, plan::Settings{});
  EXPECT_EQ(FirstObstacle(input, plan, hot), Obstacle::Settings);
  const Check check = MakeCheck(input, plan, plan::Settings{}, hot);
  EXPECT_FALSE(check.calculated);
  EXPECT_TRUE(check.refined.turns.empty());
  EXPECT_FALSE(check.refined.check);
}

// The start ring with a secondary of resistance r and an ideal primary: UL falls as r grows.
DesignCheck WithSecondaryResistance(double r) {
  const CheckInput input = StartRing();
  plan::Plan plan = plan::MakePlan(input.run, plan::Settings{});
  plan.windings[0].resistance = 0;
  plan.windings[1].resistance = r;
  return CheckDesign(input, plan, Settings{});
}

// The r at which UL is `share` of U0, by bisection.
double ResistanceFor(double share) {
  double low = 0;
  double high = 1000;
  for (int i = 0; i < 200; ++i) {
    const double mid = (low + high) / 2;
    const OutputCheck out = WithSecondaryResistance(mid).outputs[0];
    (out.full_load > share * out.no_load ? low : high) = mid;
  }
  return low;
}

// Regulation needs UL of at least 1 % of U0, efficiency a UL above 0.
TEST(CheckDesign, RegulationAndEfficiencyOnlyForAUsableOutput) {
  struct Case {
    const char* name;
    double share;  // UL over U0
    bool regulation, efficiency;
  };
  const Case cases[] = {
      {"half of U0", 0.5, true, true},   {"just over 1 %", 0.0105, true, true},
      {"under 1 %", 0.005, false, true}, {"just over 0", 1e-6, false, true},
      {"below 0", -0.5, false, false},
  };
  for (const Case& c : cases) {
    const DesignCheck d = WithSecondaryResistance(ResistanceFor(c.share));
    const OutputCheck& out = d.outputs[0];
    EXPECT_NEAR(out.full_load / out.no_load, c.share, 1e-9) << c.name;
    EXPECT_EQ(out.regulation.has_value(), c.regulation) << c.name;
    EXPECT_EQ(d.efficiency.has_value(), c.efficiency) << c.name;
    EXPECT_TRUE(std::isfinite(out.deviation)) << c.name;
  }
}

// Each flag at its own threshold, the others quiet: the start ring's refined turns are clean.
TEST(CheckDesign, FlagsInTheirOrder) {
  const CheckInput input = StartRing();
  const Check start = MakeCheck(input, plan::MakePlan(input.run, {}), {}, {});
  ASSERT_TRUE(start.refined.check);
  const plan::Plan& clean = start.refined.plan;
  struct Case {
    const char* name;
    double bmax_share;  // the table's Bmax over the refined B0
    double limit;
    double volts;  // U2 over the refined UL
    const char* verdict;
  };
  const Case cases[] = {
      {"clean", 1, 105, 1, "ok"},
      {"flux just within 1.1 × Bmax", 1 / 1.09, 105, 1, "ok"},
      {"flux above", 1 / 1.1001, 105, 1, "flux-high"},
      {"hot", 1, 50, 1, "hot"},
      {"volts 5 % high", 1, 105, 1.1, "volts"},
      {"all", 0.5, 50, 0.5, "flux-high hot volts"},
  };
  for (const Case& c : cases) {
    CheckInput changed = input;
    changed.bmax = start.refined.check->flux_density * c.bmax_share;
    changed.run.windings[1].voltage = start.refined.check->outputs[0].full_load * c.volts;
    Settings settings;
    settings.limit = c.limit;
    std::string verdict;
    AppendVerdict(CheckDesign(changed, clean, settings), verdict);
    EXPECT_EQ(verdict, c.verdict) << c.name;
  }
}

// The batch tool and the window read the same rows; an accessor that read the wrong member
// would show one figure under another's name.
TEST(Figures, EachRowReadsItsOwnMember) {
  const CheckInput input = StartRing();
  const DesignCheck d = CheckDesign(input, plan::MakePlan(input.run, {}), Settings{});
  const std::pair<Figure, std::optional<double>> expected[] = {
      {Figure::FluxDensity, d.flux_density},
      {Figure::NoLoadVoltage, d.outputs[0].no_load},
      {Figure::FullLoadVoltage, d.outputs[0].full_load},
      {Figure::Regulation, d.outputs[0].regulation},
      {Figure::Deviation, d.outputs[0].deviation},
      {Figure::SteelMass, d.steel_mass_g},
      {Figure::CoreLoss, d.core_loss_w},
      {Figure::CopperLoss, d.copper_loss_w},
      {Figure::Efficiency, d.efficiency},
      {Figure::Surface, d.surface_cm2},
      {Figure::Temperature, d.temperature},
      {Figure::OutlineX, d.outline.x},
      {Figure::OutlineY, std::nullopt},
      {Figure::OutlineZ, d.outline.z},
      {Figure::TotalMass, d.total_mass_g},
  };
  for (const auto& [which, value] : expected) {
    EXPECT_EQ(FigureOf(which).value(d), value) << FigureOf(which).name;
  }
}

}  // namespace
}  // namespace check
