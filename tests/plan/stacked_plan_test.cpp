#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "plan/winding_plan.h"

namespace plan {
namespace {

// Every figure the same to the last bit, as MakePlan of the windings laid gives it.
void ExpectSamePlan(const Plan& stacked, const Plan& made) {
  EXPECT_EQ(stacked.verdict, made.verdict);
  EXPECT_EQ(stacked.fill, made.fill);
  EXPECT_EQ(stacked.depth, made.depth);
  EXPECT_EQ(stacked.hole_left, made.hole_left);
  ASSERT_EQ(stacked.windings.size(), made.windings.size());
  for (std::size_t j = 0; j < made.windings.size(); ++j) {
    SCOPED_TRACE(j);
    const WindingPlan& a = stacked.windings[j];
    const WindingPlan& b = made.windings[j];
    EXPECT_EQ(a.bare, b.bare);
    EXPECT_EQ(a.overall, b.overall);
    EXPECT_EQ(a.own_wire, b.own_wire);
    EXPECT_EQ(a.turns, b.turns);
    EXPECT_EQ(a.turns_per_layer, b.turns_per_layer);
    EXPECT_EQ(a.layers, b.layers);
    EXPECT_EQ(a.build, b.build);
    EXPECT_EQ(a.length_m, b.length_m);
    EXPECT_EQ(a.resistance, b.resistance);
    EXPECT_EQ(a.mass_g, b.mass_g);
    EXPECT_EQ(a.loss_w, b.loss_w);
    EXPECT_EQ(a.drop_v, b.drop_v);
    EXPECT_EQ(a.current_density, b.current_density);
  }
}

// The first `count` windings of `input`.
PlanInput FirstWindings(PlanInput input, std::size_t count) {
  input.windings.resize(count);
  return input;
}

struct StackCase {
  const char* name;
  PlanInput input;
  Settings settings;
  Verdict last;  ///< the verdict of the last winding laid
};

// Four windings on each core form, with rings whose layers step inward, a winding that no
// layer holds, one without a table wire and one out of bounds.
TEST(StackedPlan, EachLayIsMakePlanOfTheWindingsLaid) {
  const std::vector<WindingDemand> windings{
      {220, 0.3, 900, 0.4}, {250, 0.1, 1100, 0.2}, {6.3, 2, 30, 1.1}, {5, 2, 24, 1.1}};
  Settings own_wire;
  own_wire.own_wire = {0.35, 0.15};
  Settings thick;
  thick.grade = 1;
  thick.bobbin = 2;
  thick.interlayer = 0.4;
  thick.between = 1.2;
  std::vector<WindingDemand> no_wire = windings;
  no_wire[2].diameter = 6;
  std::vector<WindingDemand> out_of_bounds = windings;
  out_of_bounds[3].current = 0;
  std::vector<WindingDemand> crowded = windings;
  crowded[3].turns = 60'000;
  const StackCase cases[] = {
      {"shell", {1, 2, 3, 1.6, 5, windings}, {}, Verdict::Fits},
      {"tape shell, own wires", {2, 2, 3, 1.6, 5, windings}, own_wire, Verdict::Fits},
      {"ring", {3, 2, 3, 6, 0, windings}, {}, Verdict::Fits},
      {"ring, thick insulation", {3, 2, 3, 6, 0, windings}, thick, Verdict::Fits},
      {"no table wire", {1, 2, 3, 1.6, 5, no_wire}, {}, Verdict::NoWire},
      {"out of bounds", {3, 2, 3, 6, 0, out_of_bounds}, {}, Verdict::None},
      {"ring that no layer holds", {3, 2, 3, 6, 0, crowded}, {}, Verdict::No},
      {"shell leg that no layer holds", {1, 2, 3, 1.6, 0.25, windings}, {}, Verdict::No},
  };
  for (const StackCase& c : cases) {
    SCOPED_TRACE(c.name);
    PlanInput input = c.input;
    StackedPlan stack;
    for (std::size_t j = 0; j < input.windings.size(); ++j) {
      SCOPED_TRACE(j);
      // A winding is laid again with more turns, as a search for its turns does.
      for (const double more : {0.0, 7.0}) {
        input.windings[j].turns += more;
        const bool laid = stack.Lay(input, c.settings, j);
        const Plan made = MakePlan(FirstWindings(input, j + 1), c.settings);
        ExpectSamePlan(stack.plan(), made);
        EXPECT_EQ(laid, !made.windings.empty());
        if (!laid) break;
      }
      if (stack.plan().windings.empty()) break;
    }
    EXPECT_EQ(stack.plan().verdict, c.last);
  }
}

// A plan given other currents is the plan of the windings with those currents.
TEST(CarryCurrents, IsMakePlanWithTheNewCurrents) {
  const PlanInput shell{1, 2, 3, 1.6, 5, {{220, 0.3, 900, 0.4}, {250, 0.1, 1100, 0.2}}};
  const PlanInput ring{3, 2, 3, 6, 0, {{220, 0.3, 900, 0.4}, {6.3, 2, 30, 1.1}, {5, 2, 24, 1.1}}};
  for (const PlanInput& input : {shell, ring}) {
    PlanInput carried = input;
    for (std::size_t j = 1; j < carried.windings.size(); ++j) carried.windings[j].current *= 1.7;
    Plan plan = MakePlan(input, Settings{});
    CarryCurrents(carried, plan);
    ExpectSamePlan(plan, MakePlan(carried, Settings{}));
  }
}

}  // namespace
}  // namespace plan
