#pragma once

#include <optional>

#include "windings/kinds.h"

namespace windings {

/// What a rectifier winding sees: its load, its own and the primary's resistance, the turns.
struct RectifierLoad {
  Kind kind = Kind::BridgeC;      ///< a rectifier kind
  double load = 0;                ///< DC load current, A
  double primary_voltage = 0;     ///< U1, V
  double primary_turns = 0;       ///< W1
  double primary_resistance = 0;  ///< R1 at 20 °C, Ω
  double turns = 0;               ///< W of the whole winding
  double resistance = 0;          ///< R of the whole winding at 20 °C, Ω
  double diode = 0;               ///< one conducting diode's drop, V
};

/// What the rectifier gives at one copper temperature.
struct Rectified {
  double dc_voltage = 0;       ///< Udc at the capacitor or choke input, after the diodes, V
  double winding_current = 0;  ///< Iw, the RMS current of the winding (each half's), A
  double peak_current = 0;     ///< Ipk, A
};

/// The zero-ripple capacitor-input or ideal-choke model with the resistances scaled by
/// `copper_factor`; none when the capacitor's conduction angle has no solution.
std::optional<Rectified> Rectify(const RectifierLoad& load, double copper_factor);

namespace detail {

/// S(θ) = sin θ − θ cos θ, from its series below 0.05, where the difference cancels.
double ChargeArea(double theta);

/// X(θ) = θ (2 + cos 2θ) − 1.5 sin 2θ, from its series below 0.05.
double HeatArea(double theta);

/// θ in (0, π/2) with S(θ) = a, 0 < a < 1, to 10⁻¹² of θ: Halley's steps inside a bisection's
/// bracket.
double ConductionAngle(double a);

}  // namespace detail

}  // namespace windings
