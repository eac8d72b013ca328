#include "windings/rectifier.h"

#include <cmath>
#include <numbers>

namespace windings {

namespace {

using std::numbers::pi;

constexpr double kSeriesBelow = 0.05;
constexpr double kNarrowEnough = 1e-12;
constexpr int kMaxHalvings = 200;  // 2^-200 of π/2 is far past any double's precision

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
  for (int k = 0; k < kMaxHalvings && high - low >= kNarrowEnough * high; ++k) {
    const double middle = (low + high) / 2;
    if (ChargeArea(middle) < a) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return (low + high) / 2;
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
