#pragma once

namespace check::detail {

/// Copper resistance at `temperature` °C over its value at 20 °C.
double CopperFactor(double temperature);

/// The smallest T ≥ ambient with T = ambient + 450 · ((copper20 · CopperFactor(T) + core) /
/// surface)^0.826, within 10⁻⁶ °C: the empirical rise of a small transformer's windings, losses
/// in W, surface in cm².
double WindingTemperature(double copper20, double core, double surface, double ambient);

}  // namespace check::detail
