#include "plan/winding_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "plan_fields.h"

namespace plan {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The record after a run on the start inputs: ring core 2 × 5 cm, hole 7 cm.
PlanInput StartRing() { return {3, 2, 5, 7, 12, {{220, 0.10, 562, 0.16}, {12, 1.5, 50, 0.64}}}; }

// The same inputs on a laminated shell core.
PlanInput StartShell() { return {1, 2, 5, 7, 12, {{220, 0.11, 683, 0.23}, {12, 1.5, 54, 0.86}}}; }

class NoDisplay final : public calc::ResultDisplay {
  void ClearResults() override {}
  void ShowLoadPower(const calc::DynamicValue&) override {}
  void ShowCoreFigures(const calc::DynamicValue&, const calc::DynamicValue&,
                       const calc::DynamicValue&, const calc::DynamicValue&,
                       const calc::DynamicValue&, const calc::DynamicValue&) override {}
  void ShowNotFit() override {}
  void ShowFit(const calc::DynamicValue&, const calc::DynamicValue&) override {}
  void ShowWindings(const calc::DynamicValue&, const calc::DynamicValue&, const calc::DynamicValue&,
                    const calc::DynamicValue&, const calc::DynamicValue&,
                    const calc::DynamicValue&) override {}
};

TEST(ReadRun, TakesTheRunsFiguresAsTheirTextsShow) {
  calc::CalculatorState record;
  NoDisplay display;
  calc::CalculateDesign(record, {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"}, display);
  const PlanInput input = ReadRun(record);
  EXPECT_EQ(input.form, 3);
  EXPECT_EQ(input.a, 2);
  EXPECT_EQ(input.b, 5);
  EXPECT_EQ(input.c, 7);
  EXPECT_EQ(input.h, 12);
  ASSERT_EQ(input.windings.size(), 2u);
  const PlanInput expected = StartRing();
  for (std::size_t j = 0; j < 2; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(input.windings[j].voltage, expected.windings[j].voltage);
    EXPECT_EQ(input.windings[j].current, expected.windings[j].current);
    EXPECT_EQ(input.windings[j].turns, expected.windings[j].turns);
    EXPECT_EQ(input.windings[j].diameter, expected.windings[j].diameter);
  }
}

TEST(MakePlan, StartInputsAsWorkedOut) {
  const Plan plan = MakePlan(StartRing(), Settings{});
  EXPECT_EQ(plan.verdict, Verdict::Fits);
  EXPECT_EQ(Shown(plan.fill * 100, 1), "7.4");
  EXPECT_EQ(Shown(plan.depth, 2), "2.58");
  ASSERT_TRUE(plan.hole_left);
  EXPECT_EQ(Shown(*plan.hole_left, 1), "64.8");
  ASSERT_EQ(plan.windings.size(), 2u);
  EXPECT_EQ(WindingFields(plan.windings[0]),
            (std::vector<std::string>{"0.160", "0.194", "1098", "1", "0.19", "82.55", "70.791",
                                      "14.8", "0.708", "7.079", "4.97"}));
  EXPECT_EQ(WindingFields(plan.windings[1]),
            (std::vector<std::string>{"0.710", "0.789", "263", "1", "0.79", "7.59", "0.331", "26.7",
                                      "0.744", "0.496", "3.79"}));
  EXPECT_FALSE(plan.windings[0].own_wire);
  EXPECT_EQ(plan.windings[0].turns, 562);
  EXPECT_EQ(plan.windings[1].turns, 50);
}

struct BoundCase {
  const char* name;
  PlanInput (*base)();
  std::function<void(PlanInput&, Settings&)> change;
  bool planned;  // false: the verdict is None
};

void PrintTo(const BoundCase& c, std::ostream* os) { *os << c.name; }

class PlanBoundsTest : public ::testing::TestWithParam<BoundCase> {};

TEST_P(PlanBoundsTest, NoneOnlyBeyondABound) {
  const BoundCase& c = GetParam();
  PlanInput input = c.base();
  Settings settings;
  c.change(input, settings);
  const Plan plan = MakePlan(input, settings);
  EXPECT_EQ(IsPlannable(input, settings), c.planned);
  if (c.planned) {
    EXPECT_NE(plan.verdict, Verdict::None);
  } else {
    EXPECT_EQ(plan.verdict, Verdict::None);
    EXPECT_TRUE(plan.windings.empty());
    EXPECT_FALSE(plan.hole_left);
  }
}

BoundCase Primary(const char* name, PlanInput (*base)(), double WindingDemand::*field, double value,
                  bool planned, std::size_t winding = 0) {
  return {name, base, [=](PlanInput& in, Settings&) { in.windings[winding].*field = value; },
          planned};
}

BoundCase Secondary(const char* name, double WindingDemand::*field, double value, bool planned) {
  return Primary(name, StartRing, field, value, planned, 1);
}

BoundCase Dimension(const char* name, PlanInput (*base)(), double PlanInput::*field, double value,
                    bool planned) {
  return {name, base, [=](PlanInput& in, Settings&) { in.*field = value; }, planned};
}

BoundCase Form(std::int16_t form, bool planned) {
  return {"", StartRing, [=](PlanInput& in, Settings&) { in.form = form; }, planned};
}

INSTANTIATE_TEST_SUITE_P(CoreForm, PlanBoundsTest,
                         ::testing::Values(Form(1, true), Form(2, true), Form(3, true),
                                           Form(0, false), Form(4, false), Form(7, false),
                                           Form(-1, false)),
                         [](const auto& info) { return "form_" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    VoltagesAndCurrents, PlanBoundsTest,
    ::testing::Values(Primary("U1_tiny", StartRing, &WindingDemand::voltage, 1e-300, true),
                      Primary("U1_zero", StartRing, &WindingDemand::voltage, 0, false),
                      Primary("U1_negative", StartRing, &WindingDemand::voltage, -220, false),
                      Primary("U1_nan", StartRing, &WindingDemand::voltage, kNaN, false),
                      Secondary("U2_tiny", &WindingDemand::voltage, 1e-300, true),
                      Secondary("U2_zero", &WindingDemand::voltage, 0, false),
                      Secondary("I2_tiny", &WindingDemand::current, 1e-300, true),
                      Secondary("I2_zero", &WindingDemand::current, 0, false),
                      Secondary("I2_negative", &WindingDemand::current, -1.5, false),
                      Primary("I1_zero_is_no_bound", StartRing, &WindingDemand::current, 0, true)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    CoreSizes, PlanBoundsTest,
    ::testing::Values(Dimension("a_tiny", StartRing, &PlanInput::a, 1e-9, true),
                      Dimension("a_zero", StartRing, &PlanInput::a, 0, false),
                      Dimension("a_1000", StartRing, &PlanInput::a, 1000, true),
                      Dimension("a_above_1000", StartRing, &PlanInput::a, 1000.0001, false),
                      Dimension("a_inf", StartRing, &PlanInput::a, kInf, false),
                      Dimension("b_zero", StartRing, &PlanInput::b, 0, false),
                      Dimension("b_1000", StartRing, &PlanInput::b, 1000, true),
                      Dimension("b_above_1000", StartRing, &PlanInput::b, 1000.0001, false),
                      Dimension("c_zero", StartRing, &PlanInput::c, 0, false),
                      Dimension("c_negative", StartRing, &PlanInput::c, -7, false),
                      Dimension("c_1000", StartRing, &PlanInput::c, 1000, true),
                      Dimension("c_above_1000", StartRing, &PlanInput::c, 1000.0001, false),
                      Dimension("c_nan", StartRing, &PlanInput::c, kNaN, false),
                      Dimension("ring_needs_no_h", StartRing, &PlanInput::h, 0, true),
                      Dimension("ring_h_nan", StartRing, &PlanInput::h, kNaN, true),
                      Dimension("shell_h_zero", StartShell, &PlanInput::h, 0, false),
                      Dimension("shell_h_1000", StartShell, &PlanInput::h, 1000, true),
                      Dimension("shell_h_above_1000", StartShell, &PlanInput::h, 1000.0001, false),
                      Dimension("shell_c_above_1000", StartShell, &PlanInput::c, 1000.0001, false)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TurnsAndDiameters, PlanBoundsTest,
    ::testing::Values(Primary("W1_one", StartRing, &WindingDemand::turns, 1, true),
                      Primary("W1_zero", StartRing, &WindingDemand::turns, 0, false),
                      Primary("W1_million", StartShell, &WindingDemand::turns, 1e6, true),
                      Primary("W1_above_million", StartShell, &WindingDemand::turns, 1e6 + 1,
                              false),
                      Primary("W1_not_whole", StartRing, &WindingDemand::turns, 561.5, false),
                      Secondary("W2_zero", &WindingDemand::turns, 0, false),
                      Secondary("W2_million", &WindingDemand::turns, 1e6, true),
                      Secondary("W2_above_million", &WindingDemand::turns, 1e6 + 1, false),
                      Primary("D1_zero", StartRing, &WindingDemand::diameter, 0, true),
                      Primary("D1_negative", StartRing, &WindingDemand::diameter, -0.01, false),
                      Secondary("D2_zero", &WindingDemand::diameter, 0, true),
                      Secondary("D2_negative", &WindingDemand::diameter, -1e-300, false),
                      Secondary("D2_nan", &WindingDemand::diameter, kNaN, false)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    WindingsAndSettings, PlanBoundsTest,
    ::testing::Values(BoundCase{"no_windings", StartRing,
                                [](PlanInput& in, Settings&) { in.windings.clear(); }, false},
                      BoundCase{"primary_only", StartRing,
                                [](PlanInput& in, Settings&) { in.windings.pop_back(); }, true},
                      BoundCase{"grade_out_of_range", StartRing,
                                [](PlanInput&, Settings& s) { s.grade = 0; }, false},
                      BoundCase{"bobbin_out_of_range", StartShell,
                                [](PlanInput&, Settings& s) { s.bobbin = 100.5; }, false},
                      BoundCase{"own_wire_out_of_range", StartShell,
                                [](PlanInput&, Settings& s) { s.own_wire[1] = 0; }, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct VerdictCase {
  const char* name;
  PlanInput input;
  Settings settings;
  Verdict expected;
};

PlanInput With(PlanInput input, const std::function<void(PlanInput&)>& change) {
  change(input);
  return input;
}

Settings OwnWires(std::optional<double> primary, std::optional<double> secondary) {
  Settings s;
  s.own_wire = {primary, secondary};
  return s;
}

TEST(MakePlan, ChecksBoundsThenWiresThenLayersThenFill) {
  const auto d2 = [](double d) { return [d](PlanInput& in) { in.windings[1].diameter = d; }; };
  const auto tiny_leg = [](PlanInput& in) { in.h = 0.2; };  // 2 mm less the bobbins: no room
  const VerdictCase cases[] = {
      {"largest wire", With(StartRing(), d2(5.0)), {}, Verdict::Fits},
      {"above the largest wire", With(StartRing(), d2(5.01)), {}, Verdict::NoWire},
      {"no wire on a shell core", With(StartShell(), d2(7)), {}, Verdict::NoWire},
      {"own wire stands in", With(StartRing(), d2(5.01)), OwnWires({}, 2.0), Verdict::Fits},
      {"own wire above 5 mm", With(StartRing(), d2(0.64)), OwnWires({}, 6.0), Verdict::Fits},
      {"own wire of the other winding does not help", With(StartRing(), d2(5.01)),
       OwnWires(0.2, {}), Verdict::NoWire},
      {"none before no-wire",
       With(StartRing(),
            [](PlanInput& in) {
              in.windings[1].diameter = 6;
              in.windings[0].voltage = 0;
            }),
       {},
       Verdict::None},
      {"no-wire before layers", With(With(StartShell(), d2(6)), tiny_leg), {}, Verdict::NoWire},
      {"a layer that holds no turn", With(StartShell(), tiny_leg), {}, Verdict::No},
      {"ring too small for its turns",
       With(StartRing(), [](PlanInput& in) { in.windings[0].turns = 1e6; }),
       {},
       Verdict::No},
  };
  for (const VerdictCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Plan plan = MakePlan(c.input, c.settings);
    EXPECT_EQ(plan.verdict, c.expected);
    const bool figures = c.expected == Verdict::Fits;
    EXPECT_EQ(plan.windings.size(), figures ? 2u : 0u);
    if (!figures) {
      EXPECT_EQ(plan.fill, 0);
      EXPECT_EQ(plan.depth, 0);
      EXPECT_FALSE(plan.hole_left);
    }
  }
}

TEST(MakePlan, OwnWireKeepsItsDiameter) {
  const Plan plan = MakePlan(StartShell(), OwnWires(0.3, 6.0));
  ASSERT_EQ(plan.windings.size(), 2u);
  EXPECT_TRUE(plan.windings[0].own_wire);
  EXPECT_EQ(plan.windings[0].bare, 0.3);
  EXPECT_EQ(plan.windings[0].overall, 0.3 + (0.367 - 0.315));
  EXPECT_EQ(plan.windings[1].bare, 6.0);
  EXPECT_EQ(plan.windings[1].overall, 6.0 + (5.141 - 5.0));
}

// Shell core, leg 12 mm less two 1 mm bobbin walls: 10 mm, 17 turns of 0.566 mm wire a layer.
PlanInput ShellWithLeg10(double primary_turns) {
  return {2, 2, 5, 7, 1.2, {{220, 0.5, primary_turns, 0.5}, {12, 1.5, 10, 0.5}}};
}

struct ShellLayerCase {
  double turns;
  std::int64_t layers;
  double build;
};

TEST(MakePlan, ShellWindingTakesAsManyLayersAsItFills) {
  const ShellLayerCase cases[] = {
      {1, 1, 0.566},
      {17, 1, 0.566},
      {18, 2, 2 * 0.566 + 0.05},
      {34, 2, 2 * 0.566 + 0.05},
      {35, 3, 3 * 0.566 + 2 * 0.05},
  };
  for (const ShellLayerCase& c : cases) {
    SCOPED_TRACE(c.turns);
    const Plan plan = MakePlan(ShellWithLeg10(c.turns), Settings{});
    ASSERT_EQ(plan.windings.size(), 2u);
    EXPECT_EQ(plan.windings[0].turns_per_layer, 17);
    EXPECT_EQ(plan.windings[0].layers, c.layers);
    EXPECT_DOUBLE_EQ(plan.windings[0].build, c.build);
    // bobbin + b1 + between + b2 + wrap
    EXPECT_DOUBLE_EQ(plan.depth, 1 + c.build + 0.3 + 0.566 + 0.3);
    EXPECT_DOUBLE_EQ(plan.fill, plan.depth / 70);
    EXPECT_FALSE(plan.hole_left);
  }
}

TEST(MakePlan, FurtherSecondariesFollowWithInsulationBetween) {
  PlanInput input = ShellWithLeg10(17);
  input.windings.push_back({6, 0.5, 17, 0.5});
  Settings settings = OwnWires({}, 0.4);
  const Plan plan = MakePlan(input, settings);
  ASSERT_EQ(plan.windings.size(), 3u);
  EXPECT_FALSE(plan.windings[2].own_wire);  // own wires are for the first two windings
  EXPECT_EQ(plan.windings[2].bare, 0.5);
  EXPECT_DOUBLE_EQ(plan.depth, 1 + 0.566 + 0.3 + plan.windings[1].build + 0.3 + 0.566 + 0.3);
  // The third winding lies further out than the first, so its turns are longer.
  EXPECT_GT(plan.windings[2].length_m, plan.windings[0].length_m);
}

TEST(MakePlan, ReusesTheWindingsStorage) {
  Plan plan;
  MakePlan(StartRing(), Settings{}, plan);
  const WindingPlan* storage = plan.windings.data();
  MakePlan(StartShell(), Settings{}, plan);
  EXPECT_EQ(plan.windings.data(), storage);
  EXPECT_FALSE(plan.hole_left);
  MakePlan(With(StartRing(), [](PlanInput& in) { in.form = 7; }), Settings{}, plan);
  EXPECT_TRUE(plan.windings.empty());
  MakePlan(StartRing(), Settings{}, plan);
  EXPECT_EQ(plan.windings.data(), storage);
  EXPECT_EQ(plan.verdict, Verdict::Fits);
}

TEST(FillVerdict, FitsUpToNineTenthsTightUpToOne) {
  EXPECT_EQ(FillVerdict(0), Verdict::Fits);
  EXPECT_EQ(FillVerdict(0.9), Verdict::Fits);
  EXPECT_EQ(FillVerdict(std::nextafter(0.9, 1.0)), Verdict::Tight);
  EXPECT_EQ(FillVerdict(1), Verdict::Tight);
  EXPECT_EQ(FillVerdict(std::nextafter(1.0, 2.0)), Verdict::No);
  EXPECT_EQ(FillVerdict(126.5), Verdict::No);
}

// A shell core 5 mm wide with the outer wrap chosen, ulp by ulp, so that the depth is `depth`.
std::optional<Settings> WrapForDepth(const PlanInput& input, double depth) {
  Settings settings;
  settings.wrap = 0;
  settings.wrap = depth - MakePlan(input, settings).depth;
  for (int step = 0; step < 64; ++step) {
    const double reached = MakePlan(input, settings).depth;
    if (reached == depth) return settings;
    settings.wrap = std::nextafter(settings.wrap, reached < depth ? kInf : 0.0);
  }
  return std::nullopt;
}

TEST(MakePlan, FillExactlyAtEachThreshold) {
  struct Case {
    double depth;  // of a 5 mm window
    double fill;
    Verdict at;
    Verdict beyond;
  };
  for (const Case& c : {Case{4.5, 0.9, Verdict::Fits, Verdict::Tight},
                        Case{5.0, 1.0, Verdict::Tight, Verdict::No}}) {
    SCOPED_TRACE(c.fill);
    PlanInput input = StartShell();
    input.c = 0.5;
    std::optional<Settings> settings = WrapForDepth(input, c.depth);
    ASSERT_TRUE(settings);
    const Plan at = MakePlan(input, *settings);
    ASSERT_EQ(at.fill, c.fill);
    EXPECT_EQ(at.verdict, c.at);
    // The least wrap that deepens the winding at all.
    while (MakePlan(input, *settings).depth == c.depth) {
      settings->wrap = std::nextafter(settings->wrap, kInf);
    }
    const Plan beyond = MakePlan(input, *settings);
    ASSERT_GT(beyond.fill, c.fill);
    EXPECT_EQ(beyond.verdict, c.beyond);
    EXPECT_EQ(beyond.windings.size(), 2u);  // an overfull window still gets its figures
  }
}

TEST(MakePlan, RingHoleLeftIsNeverBelowZero) {
  // A 10 mm wrap over few turns: the hole closes though every layer holds its turns.
  PlanInput input{3, 1, 1, 0.5, 0, {{220, 0.1, 3, 0.1}, {12, 0.1, 3, 0.1}}};
  Settings settings;
  settings.bobbin = 0;
  settings.wrap = 10;
  const Plan plan = MakePlan(input, settings);
  EXPECT_EQ(plan.verdict, Verdict::No);
  EXPECT_GT(plan.fill, 1);
  ASSERT_TRUE(plan.hole_left);
  EXPECT_EQ(*plan.hole_left, 0);
  EXPECT_EQ(plan.windings.size(), 2u);

  settings.wrap = 0.3;
  const Plan open = MakePlan(input, settings);
  ASSERT_TRUE(open.hole_left);
  EXPECT_DOUBLE_EQ(*open.hole_left, 2 * (2.5 - open.depth));
  EXPECT_DOUBLE_EQ(open.fill, open.depth / 2.5);
}

TEST(Verdict, CodesAndWords) {
  const std::pair<Verdict, std::string_view> codes[] = {{Verdict::Fits, "fits"},
                                                        {Verdict::Tight, "tight"},
                                                        {Verdict::No, "no"},
                                                        {Verdict::None, "none"},
                                                        {Verdict::NoWire, "no-wire"}};
  for (const auto& [verdict, code] : codes) {
    EXPECT_EQ(VerdictCode(verdict), code);
    EXPECT_FALSE(VerdictText(verdict).empty());
  }
}

}  // namespace
}  // namespace plan
