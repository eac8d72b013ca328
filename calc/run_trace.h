#pragma once

#include <cstdint>

namespace calc {

/// The quantities of a run in the order it computes them; `Fit` is the fit decision.
enum class Quantity : std::uint8_t { N, Pn, Pi, Ss, So, I1, Ps, Fit, S1, S2, D1, D2, W1, W2 };

/// The targets of the coefficient tables in the order a run applies them.
enum class Coefficient : std::uint8_t { Kpd, CosFi, Bmax, J, Ko, Ks, DU1, DU2 };

inline constexpr int kCoefficientCount = 8;

/// What a run did beyond writing the record: the step it reached and the tables it consulted.
struct RunTrace {
  Quantity at = Quantity::N;   ///< the step under way when the run ended; where a fault stopped it
  bool faulted = false;        ///< the run stopped at `at` with a fault
  bool fits = false;           ///< the run found that the core fits
  std::uint8_t unmatched = 0;  ///< a bit per Coefficient whose table the run applied in vain

  static constexpr std::uint8_t Bit(Coefficient c) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(c));
  }
};

}  // namespace calc
