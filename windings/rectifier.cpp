#include "windings/rectifier.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace windings {

namespace {

using std::numbers::pi;

constexpr double kSeriesBelow = 0.05;
constexpr double kNarrowEnough = 1e-12;
// Halley's step leaves an error of about (step / θ)³ · θ: after a step this small, below
// 10⁻¹⁵ θ.
constexpr double kHalleyStepEnough = 1e-5;
constexpr int kMaxSteps = 200;  // halvings alone reach 2^-200 of π/2, far past a double's precision

// Turns that conduct at once and their resistance: the whole winding, or the mean half of a
// centre tap.
struct Conducting {
  double turns;
  double resistance;
};

Conducting ConductingPart(const RectifierLoad& load) {
  if (FactsOf(load.kind).centre_tapped) return {load.turns / 2, load.resistance / 2};
  return {load.turns, load.resistance};
}

std::optional<Rectified> CapacitorInput(const RectifierLoad& load, const KindFacts& facts,
                                        double emf, double source) {
  const double peak = std::sqrt(2.0) * emf;
  const double a = pi * source * load.load / (facts.pulses * peak);
  if (!(a > 0 && a < 1)) return std::nullopt;
  const double theta = detail::ConductionAngle(a);
  const double s = detail::ChargeArea(theta);
  const double x = detail::HeatArea(theta);
  double current = 0;
  switch (load.kind) {
    case Kind::BridgeC:
      current = load.load * std::sqrt(pi * x) / (2 * s);
      break;
    case Kind::CtC:
      current = load.load * std::sqrt(pi * x / 2) / (2 * s);
      break;
    default:
      current = load.load * std::sqrt(pi * x / 2) / s;
      break;
  }
  return Rectified{peak * std::cos(theta) - facts.diodes * load.diode, current,
                   peak * (1 - std::cos(theta)) / source};
}

Rectified ChokeInput(const RectifierLoad& load, const KindFacts& facts, double emf, double source) {
  const double mean = 2 * std::sqrt(2.0) / pi * emf;
  return {mean - load.load * source - facts.diodes * load.diode,
          load.kind == Kind::CtL ? load.load * std::sqrt(0.5) : load.load, load.load};
}

}  // namespace

namespace detail {

double ChargeArea(double t) {
  if (t < kSeriesBelow) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    return t3 / 3 - t3 * t2 / 30 + t3 * t2 * t2 / 840 - t3 * t2 * t2 * t2 / 45360;
  }
  return std::sin(t) - t * std::cos(t);
}

namespace {

// S(θ), its slope θ sin θ and the slope's own slope sin θ + θ cos θ, from the series' below 0.05.
struct Area {
  double value;
  double slope;
  double bend;
};

Area ChargeAreaAndSlopes(double t) {
  if (t < kSeriesBelow) {
    const double t2 = t * t;
    const double t4 = t2 * t2;
    return {ChargeArea(t), t2 - t4 / 6 + t4 * t2 / 120 - t4 * t4 / 5040,
            t * (2 - 2 * t2 / 3 + t4 / 20 - t4 * t2 / 630)};
  }
  const double sine = std::sin(t);
  const double cosine = std::cos(t);
  return {sine - t * cosine, t * sine, sine + t * cosine};
}

}  // namespace

double HeatArea(double t) {
  if (t < kSeriesBelow) {
    const double t2 = t * t;
    const double t5 = t2 * t2 * t;
    return 4 * t5 / 15 - 16 * t5 * t2 / 315 + 4 * t5 * t2 * t2 / 945 -
           32 * t5 * t2 * t2 * t2 / 155925;
  }
  return t * (2 + std::cos(2 * t)) - 1.5 * std::sin(2 * t);
}

double ConductionAngle(double a) {
  double low = 0;
  double high = pi / 2;
  // S(θ) < θ³/3, so this lies below the root, and from there Halley's steps come down to it in
  // two or three; a step that leaves the bracket or does not halve the one before is a halving
  // instead.
  double theta = std::min(std::cbrt(3 * a), high);
  double step_before = high - low;
  for (int k = 0; k < kMaxSteps; ++k) {
    const Area area = ChargeAreaAndSlopes(theta);
    const double miss = area.value - a;
    if (miss < 0) {
      low = theta;
    } else {
      high = theta;
    }
    double next = theta - 2 * miss * area.slope / (2 * area.slope * area.slope - miss * area.bend);
    bool halley = true;
    if (!(next > low && next < high) || std::fabs(next - theta) > step_before / 2) {
      next = (low + high) / 2;
      halley = false;
    }
    step_before = std::fabs(next - theta);
    const double enough = halley ? kHalleyStepEnough : kNarrowEnough;
    if (step_before < enough * next || high - low < kNarrowEnough * high) return next;
    theta = next;
  }
  return theta;
}

}  // namespace detail

std::optional<Rectified> Rectify(const RectifierLoad& load, double copper_factor) {
  const KindFacts& facts = FactsOf(load.kind);
  const Conducting part = ConductingPart(load);
  const double ratio = part.turns / load.primary_turns;
  const double emf = load.primary_voltage * ratio;
  // The winding's own resistance and the primary's referred to it.
  const double source =
      (part.resistance + load.primary_resistance * (ratio * ratio)) * copper_factor;
  if (facts.filter == Filter::Choke) return ChokeInput(load, facts, emf, source);
  return CapacitorInput(load, facts, emf, source);
}

}  // namespace windings
