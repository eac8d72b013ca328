#include <cmath>

#include "plan/winding_plan.h"

namespace plan {

namespace {

// The labels round to two decimals, and a wire chosen from a rounded-down diameter would run
// above the run's current density.
WindingDemand Demand(const calc::DynamicValue& voltage, double current,
                     const calc::DynamicValue& turns, double current_density) {
  return {voltage.ToDouble(), current, turns.ToDouble(),
          kWireFactor * std::sqrt(current / current_density)};
}

}  // namespace

double PrimaryCurrent(const calc::CalculatorState& record) {
  // The run's own expression, before it is formatted for the label.
  return (record.Pn / (record.cosFi * (record.kpd * record.U1))).ToDouble();
}

void ReadRun(const calc::CalculatorState& record, PlanInput& out) {
  out.form = record.N;
  out.a = record.a.ToDouble();
  out.b = record.b.ToDouble();
  out.c = record.c.ToDouble();
  out.h = record.h.ToDouble();
  const double j = record.J.ToDouble();
  out.windings.resize(2);
  out.windings[0] = Demand(record.U1, PrimaryCurrent(record), record.W1, j);
  out.windings[1] = Demand(record.U2, record.I2.ToDouble(), record.W2, j);
}

PlanInput ReadRun(const calc::CalculatorState& record) {
  PlanInput input;
  ReadRun(record, input);
  return input;
}

}  // namespace plan
