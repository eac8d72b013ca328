#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "windings/rectifier.h"

namespace windings::detail {
namespace {

// The series below 0.05 and the closed forms above it meet without a step.
TEST(RectifierAreas, SeriesMeetTheClosedForms) {
  const double t = 0.05;
  const double s = std::sin(t) - t * std::cos(t);
  const double x = t * (2 + std::cos(2 * t)) - 1.5 * std::sin(2 * t);
  EXPECT_NEAR(ChargeArea(t * (1 - 1e-15)) / s, 1, 1e-9);
  EXPECT_NEAR(HeatArea(t * (1 - 1e-15)) / x, 1, 1e-6);
}

// The bisection finds the angle whose charge area is asked, however small.
TEST(ConductionAngle, SolvesTheChargeArea) {
  for (const double a : {1e-24, 1e-9, 0.042171, 0.5, 0.999}) {
    EXPECT_NEAR(ChargeArea(ConductionAngle(a)) / a, 1, 1e-9) << a;
  }
}

// The plain bisection to 10⁻¹² of the interval's upper end, which the solver must agree with.
double Bisected(double a) {
  double low = 0;
  double high = std::numbers::pi / 2;
  while (high - low >= 1e-12 * high) {
    const double middle = (low + high) / 2;
    (ChargeArea(middle) < a ? low : high) = middle;
  }
  return (low + high) / 2;
}

// The solver's steps land on the bisection's angle over the whole range of a, around the switch to
// the series and next to both ends, where a first guess or a step would leave the bracket.
TEST(ConductionAngle, AgreesWithTheBisection) {
  const double switch_area = ChargeArea(0.05);
  std::vector<double> areas{
      switch_area, switch_area * (1 - 1e-15), switch_area * (1 + 1e-15), 1 - 1e-12, 1 - 1e-6,
      1e-30};
  for (double a = 1e-20; a < 1; a *= 1.07) areas.push_back(a);
  for (double a = 0.9; a < 1; a += 0.003) areas.push_back(a);
  for (const double a : areas) {
    const double expected = Bisected(a);
    EXPECT_NEAR(ConductionAngle(a), expected, 2e-12 * expected) << a;
  }
}

}  // namespace
}  // namespace windings::detail
