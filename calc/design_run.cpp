#include "calc/calculator.h"

#include <array>
#include <cstddef>

#include "calc/coefficients.h"
#include "values/dynamic_value.h"
#include "values/fault.h"

namespace calc {

namespace {

using values::AssignFixed;

// Decimal constants are doubles and whole ones 16-bit integers, as the formulas were written.
const DynamicValue kReserve{1.3};
const DynamicValue kPi{3.14};
const DynamicValue kSteelFactor{0.901};
const DynamicValue kWireFactor{1.13};
const DynamicValue kFour{std::int16_t{4}};
const DynamicValue kOne{std::int16_t{1}};
const DynamicValue kHundred{std::int16_t{100}};
const DynamicValue kTurnsFactor{std::int16_t{45}};
const DynamicValue kTurnsAdded{std::int16_t{20}};
const DynamicValue kZero{std::int16_t{0}};

// The numbers of the formulas below before fixed formatting: the run formats each straight
// into its member of the record.

DynamicValue WindowArea(const CalculatorState& s) {
  if (IsShellCore(s.N)) return s.h * s.c;
  return ((kPi * s.c) * s.c) / kFour;
}

DynamicValue WireDiameter(const DynamicValue& section) {
  return DynamicValue(values::SquareRoot(section.ToDouble())) * kWireFactor;
}

DynamicValue Turns(const DynamicValue& U, const DynamicValue& dU, const CalculatorState& s) {
  return (((U * (kOne - dU / kHundred)) / (s.Ss * s.Bmax)) * kTurnsFactor) + kTurnsAdded;
}

// The voltage drops a run's tables set; they start empty in every run.
using Drops = std::array<DynamicValue, 2>;

// Applies the tables of `first` … `last` in order, noting in the trace each that matched no row.
void ApplyTables(Coefficient first, Coefficient last, CalculatorState& s, Drops& drops,
                 RunTrace& trace) {
  const double Pn = s.Pn.ToDouble();
  const double Tl = s.Tl.ToDouble();
  for (auto k = static_cast<std::size_t>(first); k <= static_cast<std::size_t>(last); ++k) {
    const CoefficientFacts& facts = kCoefficients[k];
    DynamicValue& target = facts.kept != nullptr
                               ? s.*facts.kept
                               : drops[k - static_cast<std::size_t>(Coefficient::DU1)];
    if (!ApplyCoefficientTable(*facts.table, s.N, Pn, Tl, target)) {
      trace.unmatched |= RunTrace::Bit(static_cast<Coefficient>(k));
    }
  }
}

void Run(CalculatorState& s, const InputTexts& texts, ResultDisplay& display,
         const Overrides* overrides, RunTrace& trace) {
  trace.at = Quantity::N;
  ReadInputs(s, texts);
  if (overrides != nullptr) s.I2 = overrides->I2;
  Drops drops;
  display.ClearResults();

  trace.at = Quantity::Pn;
  s.Pn = overrides != nullptr ? DynamicValue(overrides->Pn) : s.I2 * s.U2;
  display.ShowLoadPower(s.Pn);
  trace.at = Quantity::Pi;
  s.Pi = s.Pn * kReserve;
  trace.at = Quantity::Ss;
  s.Ss = s.b * s.a;
  trace.at = Quantity::So;
  // A window area next to the double range has a text that reads back beyond it; that faults
  // where Ps reads the text, after the tables and I1, not here.
  values::AssignFixedReadLater(s.So, WindowArea(s));

  ApplyTables(Coefficient::Kpd, Coefficient::CosFi, s, drops, trace);
  trace.at = Quantity::I1;
  AssignFixed(s.I1, s.Pn / (s.cosFi * (s.kpd * s.U1)));

  ApplyTables(Coefficient::Bmax, Coefficient::Ks, s, drops, trace);
  trace.at = Quantity::Ps;
  AssignFixed(s.Ps, (((((s.So * s.Ss) * s.Bmax) * s.J) * s.Ko) * s.Ks) / kSteelFactor, 0);
  display.ShowCoreFigures(s.Ps, s.Bmax, s.J, s.Ko, s.Ss, s.So);

  // A margin of exactly zero does not fit.
  trace.at = Quantity::Fit;
  if (s.Ps - s.Pi <= kZero) {
    display.ShowNotFit();
    return;
  }
  trace.fits = true;
  display.ShowFit(s.cosFi, s.I1);

  trace.at = Quantity::S1;
  AssignFixed(s.S1, s.I1 / s.J);
  trace.at = Quantity::S2;
  AssignFixed(s.S2, s.I2 / s.J);
  trace.at = Quantity::D1;
  AssignFixed(s.D1, WireDiameter(s.S1));
  trace.at = Quantity::D2;
  AssignFixed(s.D2, WireDiameter(s.S2));
  ApplyTables(Coefficient::DU1, Coefficient::DU2, s, drops, trace);
  trace.at = Quantity::W1;
  AssignFixed(s.W1, Turns(s.U1, drops[0], s), 0);
  trace.at = Quantity::W2;
  AssignFixed(s.W2, Turns(s.U2, drops[1], s), 0);
  display.ShowWindings(s.S1, s.S2, s.D1, s.D2, s.W1, s.W2);
}

}  // namespace

void CalculateDesign(CalculatorState& s, const InputTexts& texts, ResultDisplay& display) {
  RunTrace trace;
  Run(s, texts, display, nullptr, trace);
}

void CalculateDesign(CalculatorState& s, const InputTexts& texts, ResultDisplay& display,
                     RunTrace& trace) {
  trace = {};
  try {
    Run(s, texts, display, nullptr, trace);
  } catch (const values::Fault&) {
    trace.faulted = true;
    throw;
  }
}

void CalculateDesign(CalculatorState& s, const InputTexts& texts, ResultDisplay& display,
                     const Overrides& overrides, RunTrace& trace) {
  trace = {};
  try {
    Run(s, texts, display, &overrides, trace);
  } catch (const values::Fault&) {
    trace.faulted = true;
    throw;
  }
}

}  // namespace calc
