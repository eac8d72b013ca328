#include "plan/winding_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "test_support.h"
#include "values/fault.h"

namespace plan {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The record after a run on the start inputs: ring core 2 × 5 cm, hole 7 cm.
PlanInput StartRing() { return {3, 2, 5, 7, 12, {{220, 0.10, 562, 0.16}, {12, 1.5, 50, 0.64}}}; }

// The same inputs on a laminated shell core.
PlanInput StartShell() { return {1, 2, 5, 7, 12, {{220, 0.11, 683, 0.23}, {12, 1.5, 54, 0.86}}}; }

TEST(MakePlan, StartInputsAsWorkedOut) {
  calc::CalculatorState record;
  FitWatch display;
  calc::CalculateDesign(record, {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"}, display);
  const Plan plan = MakePlan(ReadRun(record), Settings{});
  EXPECT_EQ(PlanFields(plan),
            (std::vector<std::string>{
                "fits",  "7.4",    "2.61", "64.8",  "0.180", "0.217", "981",   "1",     "0.22",
                "82.59", "55.961", "18.7", "0.559", "5.595", "3.93",  "0.710", "0.789", "263",
                "1",     "0.79",   "7.60", "0.331", "26.8",  "0.745", "0.496", "3.79"}));
}

// The labels round I1 and D1 to two decimals: 0.0146 A shows as "0.01" and its 0.136 mm wire
// as "0.00", which would choose the thinnest wire. Each session is one record, as in the window.
TEST(ReadRun, NoChosenWireRunsAboveTheRunsCurrentDensity) {
  const std::vector<std::vector<calc::InputTexts>> sessions{
      {{"1", "220", "12", "1.5", "2", "5", "7", "12", "0.35"},
       {"1", "380", "12", "0.25", "2", "2", "2", "4", "0.35"}},
      {{"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"}},
      {{"1", "220", "12", "1", "2", "2.5", "1.2", "3", "0.35"}},
      {{"2", "127", "6.3", "0.3", "1.6", "2", "1", "3", "0.2"}},
      {{"3", "220", "36", "0.05", "1", "1.5", "3", "0", "0.35"}},
      {{"1", "220", "24", "8", "4", "5", "2.5", "7.5", "0.35"}},
      {{"2", "380", "5", "21.12", "2.5", "4.5", "0.71", "16.6", "0.15"}},
  };
  int checked = 0;
  for (const auto& session : sessions) {
    calc::CalculatorState record;
    for (const calc::InputTexts& inputs : session) {
      FitWatch display;
      try {
        calc::CalculateDesign(record, inputs, display);
      } catch (const values::Fault&) {
        continue;
      }
      if (!display.fit) continue;
      const Plan plan = MakePlan(ReadRun(record), Settings{});
      ASSERT_EQ(plan.windings.size(), 2u) << inputs[1] << " " << inputs[2];
      for (const WindingPlan& winding : plan.windings) {
        EXPECT_LE(winding.current_density, record.J.ToDouble())
            << inputs[1] << " V, wire " << winding.bare;
        ++checked;
      }
    }
  }
  EXPECT_GE(checked, 12);
}

struct BoundCase {
  const char* name;
  bool shell;
  void (*change)(PlanInput&, Settings&);
  bool planned;  // false: beyond a bound, the verdict is None
};

TEST(MakePlan, NoneOnlyBeyondABound) {
  using P = PlanInput&;
  using S = Settings&;
  const BoundCase cases[] = {
      {"form 1", false, [](P in, S) { in.form = 1; }, true},
      {"form 2", false, [](P in, S) { in.form = 2; }, true},
      {"form 0", false, [](P in, S) { in.form = 0; }, false},
      {"form 4", false, [](P in, S) { in.form = 4; }, false},
      {"form -1", false, [](P in, S) { in.form = -1; }, false},
      {"U1 tiny", false, [](P in, S) { in.windings[0].voltage = 1e-300; }, true},
      {"U1 0", false, [](P in, S) { in.windings[0].voltage = 0; }, false},
      {"U1 NaN", false, [](P in, S) { in.windings[0].voltage = kNaN; }, false},
      {"U2 tiny", false, [](P in, S) { in.windings[1].voltage = 1e-300; }, true},
      {"U2 0", false, [](P in, S) { in.windings[1].voltage = 0; }, false},
      {"I2 tiny", false, [](P in, S) { in.windings[1].current = 1e-300; }, true},
      {"I2 0", false, [](P in, S) { in.windings[1].current = 0; }, false},
      {"I1 0 is no bound", false, [](P in, S) { in.windings[0].current = 0; }, true},
      {"a tiny", false, [](P in, S) { in.a = 1e-9; }, true},
      {"a 0", false, [](P in, S) { in.a = 0; }, false},
      {"a 1000", false, [](P in, S) { in.a = 1000; }, true},
      {"a above 1000", false, [](P in, S) { in.a = 1000.0001; }, false},
      {"a inf", false, [](P in, S) { in.a = kInf; }, false},
      {"b 0", false, [](P in, S) { in.b = 0; }, false},
      {"b 1000", false, [](P in, S) { in.b = 1000; }, true},
      {"b above 1000", false, [](P in, S) { in.b = 1000.0001; }, false},
      {"c 0", false, [](P in, S) { in.c = 0; }, false},
      {"c 1000", false, [](P in, S) { in.c = 1000; }, true},
      {"c above 1000", false, [](P in, S) { in.c = 1000.0001; }, false},
      {"c NaN", false, [](P in, S) { in.c = kNaN; }, false},
      {"ring needs no h", false, [](P in, S) { in.h = kNaN; }, true},
      {"shell h 0", true, [](P in, S) { in.h = 0; }, false},
      {"shell h 1000", true, [](P in, S) { in.h = 1000; }, true},
      {"shell h above 1000", true, [](P in, S) { in.h = 1000.0001; }, false},
      {"W1 1", false, [](P in, S) { in.windings[0].turns = 1; }, true},
      {"W1 0", false, [](P in, S) { in.windings[0].turns = 0; }, false},
      {"W1 not whole", false, [](P in, S) { in.windings[0].turns = 561.5; }, false},
      {"W1 million", true, [](P in, S) { in.windings[0].turns = 1e6; }, true},
      {"W1 above million", true, [](P in, S) { in.windings[0].turns = 1e6 + 1; }, false},
      {"W2 0", false, [](P in, S) { in.windings[1].turns = 0; }, false},
      {"W2 million", false, [](P in, S) { in.windings[1].turns = 1e6; }, true},
      {"W2 above million", false, [](P in, S) { in.windings[1].turns = 1e6 + 1; }, false},
      {"D1 0", false, [](P in, S) { in.windings[0].diameter = 0; }, true},
      {"D1 negative", false, [](P in, S) { in.windings[0].diameter = -0.01; }, false},
      {"D2 0", false, [](P in, S) { in.windings[1].diameter = 0; }, true},
      {"D2 negative", false, [](P in, S) { in.windings[1].diameter = -1e-300; }, false},
      {"no windings", false, [](P in, S) { in.windings.clear(); }, false},
      {"primary only", false, [](P in, S) { in.windings.pop_back(); }, true},
      {"grade out of range", false, [](P, S s) { s.grade = 0; }, false},
      {"bobbin out of range", true, [](P, S s) { s.bobbin = 100.5; }, false},
      {"own wire out of range", true, [](P, S s) { s.own_wire[1] = 0; }, false},
  };
  for (const BoundCase& c : cases) {
    SCOPED_TRACE(c.name);
    PlanInput input = c.shell ? StartShell() : StartRing();
    Settings settings;
    c.change(input, settings);
    const Plan plan = MakePlan(input, settings);
    EXPECT_EQ(IsPlannable(input, settings), c.planned);
    EXPECT_EQ(plan.verdict == Verdict::None, !c.planned);
  }
}

struct VerdictCase {
  const char* name;
  PlanInput input;
  std::optional<double> own_primary, own_secondary;
  Verdict expected;
};

PlanInput With(PlanInput input, double d2, double U1 = 220, double h = 12) {
  input.windings[1].diameter = d2;
  input.windings[0].voltage = U1;
  input.h = h;
  return input;
}

TEST(MakePlan, ChecksBoundsThenWiresThenLayersThenFill) {
  const VerdictCase cases[] = {
      {"largest wire", With(StartRing(), 5.0), {}, {}, Verdict::Fits},
      {"above the largest wire", With(StartRing(), 5.01), {}, {}, Verdict::NoWire},
      {"own wire stands in", With(StartRing(), 5.01), {}, 2.0, Verdict::Fits},
      {"own wire above 5 mm", StartRing(), {}, 6.0, Verdict::Fits},
      {"the other winding's own wire", With(StartRing(), 5.01), 0.2, {}, Verdict::NoWire},
      {"none before no-wire", With(StartRing(), 6, 0), {}, {}, Verdict::None},
      // A 2 mm leg less two 1 mm bobbin walls holds no turn.
      {"no-wire before layers", With(StartShell(), 6, 220, 0.2), {}, {}, Verdict::NoWire},
      {"a layer that holds no turn", With(StartShell(), 0.86, 220, 0.2), {}, {}, Verdict::No},
      {"ring too small", PlanInput{3, 2, 5, 0.5, 0, {{220, 0.1, 1000, 0.5}}}, {}, {}, Verdict::No},
  };
  for (const VerdictCase& c : cases) {
    SCOPED_TRACE(c.name);
    Settings settings;
    settings.own_wire = {c.own_primary, c.own_secondary};
    const Plan plan = MakePlan(c.input, settings);
    EXPECT_EQ(plan.verdict, c.expected);
    if (c.expected == Verdict::Fits) continue;
    EXPECT_TRUE(plan.windings.empty());
    EXPECT_EQ(plan.fill, 0);
    EXPECT_FALSE(plan.hole_left);
  }
}

TEST(MakePlan, FurtherSecondariesFollowWithInsulationBetween) {
  PlanInput input = StartShell();
  input.windings.push_back({6, 0.5, 17, 0.5});
  Settings settings;
  settings.own_wire[1] = 0.4;
  const Plan plan = MakePlan(input, settings);
  ASSERT_EQ(plan.windings.size(), 3u);
  EXPECT_FALSE(plan.windings[2].own_wire);  // own wires are for the first two windings
  EXPECT_EQ(plan.windings[2].overall, 0.566);
  EXPECT_DOUBLE_EQ(plan.depth,
                   1 + plan.windings[0].build + 0.3 + plan.windings[1].build + 0.3 + 0.566 + 0.3);
}

TEST(MakePlan, ReusesTheWindingsStorage) {
  Plan plan;
  MakePlan(StartRing(), Settings{}, plan);
  const WindingPlan* storage = plan.windings.data();
  MakePlan(PlanInput{}, Settings{}, plan);
  EXPECT_EQ(plan.verdict, Verdict::None);
  MakePlan(StartShell(), Settings{}, plan);
  EXPECT_EQ(plan.windings.data(), storage);
  EXPECT_FALSE(plan.hole_left);
}

TEST(FillVerdict, FitsUpToNineTenthsTightUpToOne) {
  EXPECT_EQ(FillVerdict(0.9), Verdict::Fits);
  EXPECT_EQ(FillVerdict(std::nextafter(0.9, 1.0)), Verdict::Tight);
  EXPECT_EQ(FillVerdict(1), Verdict::Tight);
  EXPECT_EQ(FillVerdict(std::nextafter(1.0, 2.0)), Verdict::No);
}

// The outer wrap, chosen ulp by ulp, that makes the depth exactly `depth`.
std::optional<double> WrapForDepth(const PlanInput& input, double depth) {
  Settings settings;
  settings.wrap = 0;
  settings.wrap = depth - MakePlan(input, settings).depth;
  for (int step = 0; step < 64; ++step) {
    const double reached = MakePlan(input, settings).depth;
    if (reached == depth) return settings.wrap;
    settings.wrap = std::nextafter(settings.wrap, reached < depth ? kInf : 0.0);
  }
  return std::nullopt;
}

TEST(MakePlan, FillExactlyAtEachThreshold) {
  const struct {
    double depth;  // in a shell core's 5 mm window
    Verdict at, beyond;
  } cases[] = {{4.5, Verdict::Fits, Verdict::Tight}, {5.0, Verdict::Tight, Verdict::No}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.depth);
    PlanInput input = StartShell();
    input.c = 0.5;
    Settings settings;
    settings.wrap = WrapForDepth(input, c.depth).value();
    const Plan at = MakePlan(input, settings);
    ASSERT_EQ(at.fill, c.depth / 5);
    EXPECT_EQ(at.verdict, c.at);
    while (MakePlan(input, settings).depth == c.depth) {
      settings.wrap = std::nextafter(settings.wrap, kInf);
    }
    const Plan beyond = MakePlan(input, settings);
    EXPECT_EQ(beyond.verdict, c.beyond);
    EXPECT_EQ(beyond.windings.size(), 2u);  // an overfull window keeps its figures
  }
}

TEST(MakePlan, RingHoleLeftIsNeverBelowZero) {
  const PlanInput input{3, 1, 1, 0.5, 0, {{220, 0.1, 3, 0.1}, {12, 0.1, 3, 0.1}}};
  Settings settings;
  settings.wrap = 10;  // the hole closes though every layer holds its turns
  const Plan closed = MakePlan(input, settings);
  EXPECT_EQ(closed.verdict, Verdict::No);
  EXPECT_EQ(closed.hole_left, 0);
  EXPECT_EQ(closed.windings.size(), 2u);
  settings.wrap = 0.3;
  const Plan open = MakePlan(input, settings);
  EXPECT_DOUBLE_EQ(open.hole_left.value(), 2 * (2.5 - open.depth));
  EXPECT_DOUBLE_EQ(open.fill, open.depth / 2.5);
}

// The window says which bound a run missed, so the first one missed must be named.
TEST(FirstObstacle, NamesTheFirstBoundMissed) {
  using P = PlanInput&;
  using S = Settings&;
  const struct {
    const char* name;
    void (*change)(PlanInput&, Settings&);
    std::optional<Obstacle> expected;
  } cases[] = {
      {"none", [](P, S) {}, std::nullopt},
      {"form before all", [](P in, S) { in.form = 4, in.a = 0, in.windings.clear(); },
       Obstacle::Form},
      {"no windings", [](P in, S) { in.windings.clear(); }, Obstacle::NoWindings},
      {"dimension before voltage", [](P in, S) { in.b = kNaN, in.windings[0].voltage = 0; },
       Obstacle::Dimensions},
      {"primary voltage", [](P in, S) { in.windings[0].voltage = -1; }, Obstacle::Voltage},
      {"primary before secondary",
       [](P in, S) { in.windings[0].turns = 0.5, in.windings[1].voltage = 0; }, Obstacle::Turns},
      {"load current", [](P in, S) { in.windings[1].current = 0; }, Obstacle::Current},
      {"diameter", [](P in, S) { in.windings[1].diameter = -1; }, Obstacle::Diameter},
      {"settings last", [](P in, S s) { s.wrap = -1, in.windings[1].diameter = 1; },
       Obstacle::Settings},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlanInput input = StartRing();
    Settings settings;
    c.change(input, settings);
    EXPECT_EQ(FirstObstacle(input, settings), c.expected);
  }
}

}  // namespace
}  // namespace plan
