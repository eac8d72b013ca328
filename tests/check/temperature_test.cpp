#include "check/temperature.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace check::detail {
namespace {

double RightSide(double t, double copper20, double core, double surface, double ambient) {
  return ambient + 450 * std::pow((copper20 * (234.5 + t) / 254.5 + core) / surface, 0.826);
}

struct Heat {
  const char* name;
  double copper20, core, surface, ambient;
};

// The equation holds to 10⁻⁶ °C at the answer, and a little below it the right side is still
// above T: the answer is the smallest solution, not a later one or a stop short of it. Where T
// is astronomic, the rounding of the right side blurs it over a few hundred doubles.
TEST(WindingTemperature, SolvesTheRiseEquationFromTheAmbientUp) {
  const Heat cases[] = {
      {"start ring", 1.24, 5.09, 454.79, 40},
      {"no load", 0, 0, 454.79, 40},
      {"core only", 0, 5, 100, 40},
      {"copper only", 20, 0, 100, 40},
      {"ambient at -40", 1.24, 5.09, 454.79, -40},
      {"ambient at 100", 1.24, 5.09, 454.79, 100},
      {"huge loss", 1e6, 1e3, 10, 40},
      {"astronomic loss", 1e21, 1e9, 0.04, 100},
      {"tiny loss", 1e-12, 1e-12, 1e6, -40},
  };
  for (const Heat& h : cases) {
    const double t = WindingTemperature(h.copper20, h.core, h.surface, h.ambient);
    ASSERT_TRUE(std::isfinite(t)) << h.name;
    EXPECT_GE(t, h.ambient) << h.name;
    const double tolerance = std::max(1e-6, 4e-16 * t);
    EXPECT_NEAR(t, RightSide(t, h.copper20, h.core, h.surface, h.ambient), tolerance) << h.name;
    if (h.copper20 > 0 || h.core > 0) {
      const double below = t - std::max(2e-6, 1e-13 * t);
      EXPECT_GT(RightSide(below, h.copper20, h.core, h.surface, h.ambient), below) << h.name;
    }
  }
}

TEST(WindingTemperature, NoLossLeavesTheAmbient) {
  for (const double ambient : {-40.0, 40.0, 100.0}) {
    EXPECT_EQ(WindingTemperature(0, 0, 454.79, ambient), ambient);
  }
}

TEST(CopperFactor, IsOneAt20AndFollowsCopper) {
  EXPECT_EQ(CopperFactor(20), 1);
  EXPECT_DOUBLE_EQ(CopperFactor(105), 339.5 / 254.5);
  EXPECT_DOUBLE_EQ(CopperFactor(-234.5), 0);
}

}  // namespace
}  // namespace check::detail
