#include "calc/calculator.h"

#include <array>
#include <cstddef>

#include "calc/coefficients.h"
#include "values/dynamic_value.h"
#include "values/fault.h"

namespace calc {

namespace {

using values::Fixed;

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

DynamicValue Fixed0(const DynamicValue& x) { return Fixed(x, 0); }

// A window area next to the double range has a text that reads back beyond it; that faults
// where Ps reads the text, after the tables and I1, not here.
DynamicValue WindowArea(const CalculatorState& s) {
  if (IsShellCore(s.N)) return values::FixedReadLater(s.h * s.c);
  return values::FixedReadLater(((kPi * s.c) * s.c) / kFour);
}

DynamicValue WireDiameter(const DynamicValue& section) {
  return Fixed(DynamicValue(values::SquareRoot(section.ToDouble())) * kWireFactor);
}

DynamicValue Turns(const DynamicValue& U, const DynamicValue& dU, const CalculatorState& s) {
  return Fixed0(((((U * (kOne - dU / kHundred)) / (s.Ss * s.Bmax)) * kTurnsFactor) + kTurnsAdded));
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
  s.So = WindowArea(s);

  ApplyTables(Coefficient::Kpd, Coefficient::CosFi, s, drops, trace);
  trace.at = Quantity::I1;
  s.I1 = Fixed(s.Pn / (s.cosFi * (s.kpd * s.U1)));

  ApplyTables(Coefficient::Bmax, Coefficient::Ks, s, drops, trace);
  trace.at = Quantity::Ps;
  s.Ps = Fixed0((((((s.So * s.Ss) * s.Bmax) * s.J) * s.Ko) * s.Ks) / kSteelFactor);
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
  s.S1 = Fixed(s.I1 / s.J);
  trace.at = Quantity::S2;
  s.S2 = Fixed(s.I2 / s.J);
  trace.at = Quantity::D1;
  s.D1 = WireDiameter(s.S1);
  trace.at = Quantity::D2;
  s.D2 = WireDiameter(s.S2);
  ApplyTables(Coefficient::DU1, Coefficient::DU2, s, drops, trace);
  trace.at = Quantity::W1;
  s.W1 = Turns(s.U1, drops[0], s);
  trace.at = Quantity::W2;
  s.W2 = Turns(s.U2, drops[1], s);
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
