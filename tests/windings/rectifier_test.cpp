#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
}  // namespace windings::detail
