#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "check/design_check.h"
#include "check/figures.h"
#include "test_support.h"

namespace check {
namespace {

using plan::Shown;

// A column of worked figures: the run, its plan, the check and the refined turns.
struct Worked {
  calc::InputTexts inputs;
  double w1, w2, bmax, ks, j;
  double i1;
  double d1, d2, wire1, wire2;
  double r1, r2, depth;
  std::optional<double> hole;
  double sn, b0, steel, core_loss;
  double x;
  std::optional<double> y;
  double z, surface, temperature, copper_loss, u0, ul;
  double regulation, deviation, efficiency;
  std::string verdict;
  std::int64_t w1r;
  double w1r_exact, emf;
  std::int64_t w2r, first_w2r;
  plan::Verdict refined_verdict;
  double refined_fill_pct;
  double refined_b0, refined_u0, refined_ul, refined_temperature;
};

// Each figure to the decimals it is worked out with.
void ExpectNear(double actual, double expected, int decimals, const char* what) {
  EXPECT_EQ(Shown(actual, decimals), Shown(expected, decimals)) << what;
}

const Worked kWorked[] = {
    {{"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"},
     562,
     50,
     1.7,
     0.88,
     4.7,
     0.099973,
     0.1648,
     0.6384,
     0.180,
     0.710,
     55.961,
     0.331,
     2.606,
     64.788,
     8.8,
     2.002,
     1903.4,
     5.09,
     115.212,
     std::nullopt,
     55.212,
     454.79,
     53.58,
     1.476,
     19.57,
     18.45,
     6.1,
     53.7,
     80.8,
     "flux-high volts",
     662,
     661.997,
     211.209,
     40,
     38,
     plan::Verdict::Fits,
     7.4,
     1.700,
     13.29,
     12.40,
     51.0},
    {{"1", "220", "12", "1", "2", "2.5", "1.2", "3", "0.35"},
     1340,
     88,
     1.2,
     0.93,
     3.45,
     0.101010,
     0.1934,
     0.6084,
     0.200,
     0.630,
     78.353,
     0.609,
     7.23,
     std::nullopt,
     4.65,
     1.589,
     441.1,
     0.74,
     64,
     50,
     39.46,
     153.97,
     54.17,
     1.597,
     14.45,
     13.17,
     9.7,
     9.7,
     84.9,
     "flux-high volts",
     1775,
     1774.817,
     205.573,
     114,
     104,
     plan::Verdict::Fits,
     69.9,
     1.200,
     14.13,
     12.38,
     55.2},
};

class WorkedFigures : public ::testing::TestWithParam<Worked> {};

TEST_P(WorkedFigures, AsWorkedOutByHand) {
  const Worked& w = GetParam();
  calc::CalculatorState record;
  plan::FitWatch display;
  calc::CalculateDesign(record, w.inputs, display);
  ASSERT_TRUE(display.fit);
  const CheckInput input = ReadRun(record);
  EXPECT_EQ(input.run.windings[0].turns, w.w1);
  EXPECT_EQ(input.run.windings[1].turns, w.w2);
  EXPECT_EQ(input.bmax, w.bmax);
  EXPECT_EQ(input.ks, w.ks);
  EXPECT_EQ(record.J.ToDouble(), w.j);
  ExpectNear(input.run.windings[0].current, w.i1, 6, "I1");
  ExpectNear(input.run.windings[0].diameter, w.d1, 4, "d1");
  ExpectNear(input.run.windings[1].diameter, w.d2, 4, "d2");

  const plan::Plan plan = plan::MakePlan(input.run, plan::Settings{});
  ASSERT_EQ(plan.windings.size(), 2u);
  EXPECT_EQ(plan.windings[0].bare, w.wire1);
  EXPECT_EQ(plan.windings[1].bare, w.wire2);
  ExpectNear(plan.windings[0].resistance, w.r1, 3, "R1");
  ExpectNear(plan.windings[1].resistance, w.r2, 3, "R2");
  ExpectNear(plan.depth, w.depth, w.hole ? 3 : 2, "T");
  ASSERT_EQ(plan.hole_left.has_value(), w.hole.has_value());
  if (w.hole) ExpectNear(*plan.hole_left, *w.hole, 3, "hole left");

  const Check check = MakeCheck(input, plan, plan::Settings{}, Settings{});
  ASSERT_TRUE(check.calculated);
  const DesignCheck& d = *check.calculated;
  ExpectNear(d.net_section, w.sn, 2, "Sn");
  ExpectNear(d.flux_density, w.b0, 3, "B0");
  ExpectNear(d.steel_mass_g, w.steel, 1, "steel mass");
  ExpectNear(d.core_loss_w, w.core_loss, 2, "P_fe");
  ExpectNear(d.outline.x, w.x, 3, "X");
  ASSERT_EQ(d.outline.y.has_value(), w.y.has_value());
  if (w.y) ExpectNear(*d.outline.y, *w.y, 3, "Y");
  ExpectNear(d.outline.z, w.z, w.hole ? 3 : 2, "Z");
  ExpectNear(d.surface_cm2, w.surface, 2, "A");
  ExpectNear(d.temperature, w.temperature, 2, "Tw");
  ExpectNear(d.copper_loss_w, w.copper_loss, 3, "P_cu");
  ASSERT_EQ(d.outputs.size(), 1u);
  ExpectNear(d.outputs[0].no_load, w.u0, 2, "U0");
  ExpectNear(d.outputs[0].full_load, w.ul, 2, "UL");
  ASSERT_TRUE(d.outputs[0].regulation);
  ExpectNear(*d.outputs[0].regulation, w.regulation, 1, "regulation");
  ExpectNear(d.outputs[0].deviation, w.deviation, 1, "deviation");
  ASSERT_TRUE(d.efficiency);
  ExpectNear(*d.efficiency, w.efficiency, 1, "efficiency");
  std::string verdict;
  AppendVerdict(d, verdict);
  EXPECT_EQ(verdict, w.verdict);

  const Refined& r = check.refined;
  ASSERT_TRUE(r.exact_primary);
  ExpectNear(*r.exact_primary, w.w1r_exact, 3, "W1r before ceil");
  ASSERT_TRUE(r.emf);
  ExpectNear(*r.emf, w.emf, 3, "E");
  EXPECT_EQ(r.first_secondary, w.first_w2r);
  EXPECT_EQ(r.turns, (std::vector<std::int64_t>{w.w1r, w.w2r}));
  EXPECT_EQ(r.plan.verdict, w.refined_verdict);
  ExpectNear(r.plan.fill * 100, w.refined_fill_pct, 1, "refined fill");
  ASSERT_TRUE(r.check);
  ExpectNear(r.check->flux_density, w.refined_b0, 3, "refined B0");
  ExpectNear(r.check->outputs[0].no_load, w.refined_u0, 2, "refined U0");
  ExpectNear(r.check->outputs[0].full_load, w.refined_ul, 2, "refined UL");
  ExpectNear(r.check->temperature, w.refined_temperature, 1, "refined Tw");
  EXPECT_GE(r.check->outputs[0].full_load, 12);
}

INSTANTIATE_TEST_SUITE_P(StartAndShell, WorkedFigures, ::testing::ValuesIn(kWorked));

}  // namespace
}  // namespace check
