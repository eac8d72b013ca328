#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calc/run_trace.h"
#include "values/dynamic_value.h"

namespace calc {

using values::DynamicValue;

/// The calculator's whole memory; starts empty and is never reset, so values carry between runs.
struct CalculatorState {
  DynamicValue U1;     ///< primary voltage, V
  DynamicValue U2;     ///< secondary voltage, V
  DynamicValue I2;     ///< maximum load current, A
  DynamicValue a;      ///< core dimension a, cm
  DynamicValue b;      ///< core dimension b, cm
  DynamicValue c;      ///< core dimension c, cm
  DynamicValue h;      ///< core dimension h, cm
  DynamicValue Tl;     ///< plate or tape thickness, mm
  DynamicValue Pn;     ///< load power, W
  DynamicValue kpd;    ///< efficiency
  DynamicValue Pi;     ///< power the core must carry, W
  DynamicValue cosFi;  ///< power factor
  DynamicValue Bmax;   ///< maximum flux density, T
  DynamicValue J;      ///< current density, A/mm²
  DynamicValue Ko;     ///< window fill factor
  DynamicValue Ks;     ///< steel fill factor
  DynamicValue Ss;     ///< core cross-section, cm²
  DynamicValue So;     ///< window area, cm² (text)
  DynamicValue Ps;     ///< maximum power the core can carry, W (text)
  DynamicValue I1;     ///< primary current, A (text)
  DynamicValue S1;     ///< primary wire section, mm² (text)
  DynamicValue S2;     ///< secondary wire section, mm² (text)
  DynamicValue D1;     ///< primary wire diameter, mm (text)
  DynamicValue D2;     ///< secondary wire diameter, mm (text)
  DynamicValue W1;     ///< primary turns (text)
  DynamicValue W2;     ///< secondary turns (text)
  std::int16_t N = 0;  ///< core form: 1 laminated shell, 2 tape-wound shell, 3 tape-wound ring
};

/// Whether core form `form` is a shell core (1 laminated, 2 tape-wound): one with a height h.
constexpr bool IsShellCore(double form) { return form == 1 || form == 2; }

/// Whether `form` is one of the three core forms; a ring core is the known form 3.
constexpr bool IsKnownForm(double form) { return IsShellCore(form) || form == 3; }

/// The texts of the input fields Text1 … Text9, in that order.
using InputTexts = std::array<std::string_view, 9>;

/// Where a run hands its results, called in the order ClearResults, ShowLoadPower,
/// ShowCoreFigures, then ShowNotFit or ShowFit and ShowWindings.
class ResultDisplay {
 public:
  virtual ~ResultDisplay() = default;

  virtual void ClearResults() = 0;
  virtual void ShowLoadPower(const DynamicValue& Pn) = 0;
  virtual void ShowCoreFigures(const DynamicValue& Ps, const DynamicValue& Bmax,
                               const DynamicValue& J, const DynamicValue& Ko,
                               const DynamicValue& Ss, const DynamicValue& So) = 0;
  virtual void ShowNotFit() = 0;
  virtual void ShowFit(const DynamicValue& cosFi, const DynamicValue& I1) = 0;
  virtual void ShowWindings(const DynamicValue& S1, const DynamicValue& S2, const DynamicValue& D1,
                            const DynamicValue& D2, const DynamicValue& W1,
                            const DynamicValue& W2) = 0;
};

/// Reads the nine input texts into N, U1, U2, I2, a, b, c, h and Tl; faults (overflow) only
/// when Text1 rounds outside 16 bits, before anything is assigned.
void ReadInputs(CalculatorState& state, const InputTexts& texts);

/// One press of Calculate. Throws values::Fault at the failing step; what was written stays.
void CalculateDesign(CalculatorState& state, const InputTexts& texts, ResultDisplay& display);

/// The same run, telling in `trace` what it did, up to the step of a fault.
void CalculateDesign(CalculatorState& state, const InputTexts& texts, ResultDisplay& display,
                     RunTrace& trace);

/// What a run sized for several windings takes in place of the texts' I2 and of I2 × U2.
struct Overrides {
  double I2 = 0;  ///< the sizing current of the first secondary, set right after the reading
  double Pn = 0;  ///< the sizing power of all windings
};

/// The traced run with `overrides`.
void CalculateDesign(CalculatorState& state, const InputTexts& texts, ResultDisplay& display,
                     const Overrides& overrides, RunTrace& trace);

}  // namespace calc
