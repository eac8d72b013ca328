#include "calc/calculator.h"
#include "calc/coefficient_tables.h"
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
  if (s.N == 1 || s.N == 2) return values::FixedReadLater(s.h * s.c);
  return values::FixedReadLater(((kPi * s.c) * s.c) / kFour);
}

DynamicValue WireDiameter(const DynamicValue& section) {
  return Fixed(DynamicValue(values::SquareRoot(section.ToDouble())) * kWireFactor);
}

DynamicValue Turns(const DynamicValue& U, const DynamicValue& dU, const CalculatorState& s) {
  return Fixed0(((((U * (kOne - dU / kHundred)) / (s.Ss * s.Bmax)) * kTurnsFactor) + kTurnsAdded));
}

// Applies one table, noting in the trace whether any of its rows held.
void Apply(const CoefficientTable& table, Coefficient target_name, std::int16_t N, double Pn,
           double Tl, DynamicValue& target, RunTrace& trace) {
  if (!ApplyCoefficientTable(table, N, Pn, Tl, target))
    trace.unmatched |= RunTrace::Bit(target_name);
}

void Run(CalculatorState& s, const InputTexts& texts, ResultDisplay& display, RunTrace& trace) {
  trace.at = Quantity::N;
  ReadInputs(s, texts);
  DynamicValue dU1;
  DynamicValue dU2;
  display.ClearResults();

  trace.at = Quantity::Pn;
  s.Pn = s.I2 * s.U2;
  display.ShowLoadPower(s.Pn);
  trace.at = Quantity::Pi;
  s.Pi = s.Pn * kReserve;
  trace.at = Quantity::Ss;
  s.Ss = s.b * s.a;
  trace.at = Quantity::So;
  s.So = WindowArea(s);

  const double Pn = s.Pn.ToDouble();
  const double Tl = s.Tl.ToDouble();
  Apply(KpdTable, Coefficient::Kpd, s.N, Pn, Tl, s.kpd, trace);
  Apply(CosFiTable, Coefficient::CosFi, s.N, Pn, Tl, s.cosFi, trace);
  trace.at = Quantity::I1;
  s.I1 = Fixed(s.Pn / (s.cosFi * (s.kpd * s.U1)));

  Apply(BmaxTable, Coefficient::Bmax, s.N, Pn, Tl, s.Bmax, trace);
  Apply(JTable, Coefficient::J, s.N, Pn, Tl, s.J, trace);
  Apply(KoTable, Coefficient::Ko, s.N, Pn, Tl, s.Ko, trace);
  Apply(KsTable, Coefficient::Ks, s.N, Pn, Tl, s.Ks, trace);
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
  Apply(DU1Table, Coefficient::DU1, s.N, Pn, Tl, dU1, trace);
  Apply(DU2Table, Coefficient::DU2, s.N, Pn, Tl, dU2, trace);
  trace.at = Quantity::W1;
  s.W1 = Turns(s.U1, dU1, s);
  trace.at = Quantity::W2;
  s.W2 = Turns(s.U2, dU2, s);
  display.ShowWindings(s.S1, s.S2, s.D1, s.D2, s.W1, s.W2);
}

}  // namespace

void CalculateDesign(CalculatorState& s, const InputTexts& texts, ResultDisplay& display) {
  RunTrace trace;
  Run(s, texts, display, trace);
}

void CalculateDesign(CalculatorState& s, const InputTexts& texts, ResultDisplay& display,
                     RunTrace& trace) {
  trace = {};
  try {
    Run(s, texts, display, trace);
  } catch (const values::Fault&) {
    trace.faulted = true;
    throw;
  }
}

}  // namespace calc
