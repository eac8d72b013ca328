#include "check/temperature.h"

#include <algorithm>
#include <cmath>

namespace check::detail {

namespace {

constexpr double kCopperZero = 234.5;    // °C below 0 where copper's resistance would vanish
constexpr double kCopperAt20 = 254.5;    // kCopperZero + 20
constexpr double kRiseFactor = 450;      // °C per (W/cm²)^0.826
constexpr double kRiseExponent = 0.826;  // of the loss per cooling surface
// Newton's steps end when one moves T this little: the error left is of its square.
constexpr double kLastStep = 2e-7;
constexpr double kLastRelativeStep = 1e-15;  // where T is so large that its doubles lie wider
constexpr int kMaxSteps = 10'000;

// The right side of the equation at T and its slope: the rise grows 0.826 times as fast as the
// loss per surface, which grows by copper20 / 254.5 per degree.
struct RightSide {
  double value;
  double slope;
};

RightSide RightSideAt(double t, double copper20, double core, double surface, double ambient) {
  const double loss = (copper20 * CopperFactor(t) + core) / surface;
  const double rise = kRiseFactor * std::pow(loss, kRiseExponent);
  return {ambient + rise, kRiseExponent * rise / loss * (copper20 / (kCopperAt20 * surface))};
}

}  // namespace

double CopperFactor(double temperature) { return (kCopperZero + temperature) / kCopperAt20; }

// The right side is concave in T and starts above it: Newton's first step passes the solution
// and the next ones come back down to it. Where the right side still rises faster than T, it is
// taken as the next T instead, which stays below the solution.
double WindingTemperature(double copper20, double core, double surface, double ambient) {
  double t = ambient;
  for (int step = 0; step < kMaxSteps; ++step) {
    const RightSide right = RightSideAt(t, copper20, core, surface, ambient);
    const double next = right.slope < 1 ? t + (right.value - t) / (1 - right.slope) : right.value;
    if (std::isnan(next)) return t;
    if (std::isinf(next) ||
        std::fabs(next - t) <= std::max(kLastStep, kLastRelativeStep * std::fabs(t))) {
      return next;
    }
    t = next;
  }
  return t;
}

}  // namespace check::detail
