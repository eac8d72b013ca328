#include "calc/calculator.h"
#include "calc/coefficient_tables.h"
#include "values/dynamic_value.h"

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

DynamicValue WindowArea(const CalculatorState& s) {
  if (s.N == 1 || s.N == 2) return Fixed(s.h * s.c);
  return Fixed(((kPi * s.c) * s.c) / kFour);
}

DynamicValue WireDiameter(const DynamicValue& section) {
  return Fixed(DynamicValue(values::SquareRoot(section.ToDouble())) * kWireFactor);
}

DynamicValue Turns(const DynamicValue& U, const DynamicValue& dU, const CalculatorState& s) {
  return Fixed0(((((U * (kOne - dU / kHundred)) / (s.Ss * s.Bmax)) * kTurnsFactor) + kTurnsAdded));
}

}  // namespace

void CalculateDesign(CalculatorState& s, const InputTexts& texts, ResultDisplay& display) {
  ReadInputs(s, texts);
  DynamicValue dU1;
  DynamicValue dU2;
  display.ClearResults();

  s.Pn = s.I2 * s.U2;
  display.ShowLoadPower(s.Pn);
  s.Pi = s.Pn * kReserve;
  s.Ss = s.b * s.a;
  s.So = WindowArea(s);

  const double Pn = s.Pn.ToDouble();
  const double Tl = s.Tl.ToDouble();
  ApplyCoefficientTable(KpdTable, s.N, Pn, Tl, s.kpd);
  ApplyCoefficientTable(CosFiTable, s.N, Pn, Tl, s.cosFi);
  s.I1 = Fixed(s.Pn / (s.cosFi * (s.kpd * s.U1)));

  ApplyCoefficientTable(BmaxTable, s.N, Pn, Tl, s.Bmax);
  ApplyCoefficientTable(JTable, s.N, Pn, Tl, s.J);
  ApplyCoefficientTable(KoTable, s.N, Pn, Tl, s.Ko);
  ApplyCoefficientTable(KsTable, s.N, Pn, Tl, s.Ks);
  s.Ps = Fixed0((((((s.So * s.Ss) * s.Bmax) * s.J) * s.Ko) * s.Ks) / kSteelFactor);
  display.ShowCoreFigures(s.Ps, s.Bmax, s.J, s.Ko, s.Ss, s.So);

  // A margin of exactly zero does not fit.
  if (s.Ps - s.Pi <= kZero) {
    display.ShowNotFit();
    return;
  }
  display.ShowFit(s.cosFi, s.I1);

  s.S1 = Fixed(s.I1 / s.J);
  s.S2 = Fixed(s.I2 / s.J);
  s.D1 = WireDiameter(s.S1);
  s.D2 = WireDiameter(s.S2);
  ApplyCoefficientTable(DU1Table, s.N, Pn, Tl, dU1);
  ApplyCoefficientTable(DU2Table, s.N, Pn, Tl, dU2);
  s.W1 = Turns(s.U1, dU1, s);
  s.W2 = Turns(s.U2, dU2, s);
  display.ShowWindings(s.S1, s.S2, s.D1, s.D2, s.W1, s.W2);
}

}  // namespace calc
