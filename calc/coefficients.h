#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "calc/calculator.h"
#include "calc/coefficient_tables.h"
#include "calc/run_trace.h"

namespace calc {

/// What is known of one coefficient: the table that sets it, where the record keeps it, and how
/// its notes name it.
struct CoefficientFacts {
  const CoefficientTable* table;
  /// The record's member the table sets; none for the voltage drops, which live for one run.
  DynamicValue CalculatorState::*kept;
  std::string_view code;   ///< "kpd": in the notes' codes
  std::string_view name;   ///< «КПД»: in the window's words
  std::string_view taken;  ///< «взят», agreeing with the name
  std::string_view unset;  ///< «не задан», agreeing with the name
};

/// The facts of each coefficient, indexed by Coefficient.
extern const std::array<CoefficientFacts, kCoefficientCount> kCoefficients;

/// The facts of `c`.
inline const CoefficientFacts& Facts(Coefficient c) {
  return kCoefficients[static_cast<std::size_t>(c)];
}

/// The record's member that the table of `c` sets; none for the voltage drops.
const DynamicValue* Kept(const CalculatorState& record, Coefficient c);

/// Whether the table of `c` has rows only for particular core forms, none for every form.
bool KeyedByForm(Coefficient c);

}  // namespace calc
