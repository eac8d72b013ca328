#include "check/temperature.h"

#include <cmath>

namespace check::detail {

namespace {

constexpr double kRiseFactor = 450;      // °C per (W/cm²)^0.826
constexpr double kRiseExponent = 0.826;  // of the loss per cooling surface
// The right side rises at most 0.826 times as fast as T, so each step leaves at most
// 0.826 / (1 − 0.826) < 4.75 times its own length to go.
constexpr double kLastStep = 2e-7;
constexpr int kMaxSteps = 10'000;

double RightSide(double t, double copper20, double core, double surface, double ambient) {
  const double loss = copper20 * CopperFactor(t) + core;
  return ambient + kRiseFactor * std::pow(loss / surface, kRiseExponent);
}

}  // namespace

double CopperFactor(double temperature) { return (234.5 + temperature) / 254.5; }

// From the ambient the steps only rise, to the smallest solution.
double WindingTemperature(double copper20, double core, double surface, double ambient) {
  double t = ambient;
  for (int step = 0; step < kMaxSteps; ++step) {
    const double next = RightSide(t, copper20, core, surface, ambient);
    if (!(next > t)) return t;
    const bool settled = next - t <= kLastStep;
    t = next;
    if (settled) return t;
  }
  return t;
}

}  // namespace check::detail
