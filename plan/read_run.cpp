#include "plan/winding_plan.h"

namespace plan {

void ReadRun(const calc::CalculatorState& record, PlanInput& out) {
  out.form = record.N;
  out.a = record.a.ToDouble();
  out.b = record.b.ToDouble();
  out.c = record.c.ToDouble();
  out.h = record.h.ToDouble();
  out.windings.resize(2);
  out.windings[0] = {record.U1.ToDouble(), record.I1.ToDouble(), record.W1.ToDouble(),
                     record.D1.ToDouble()};
  out.windings[1] = {record.U2.ToDouble(), record.I2.ToDouble(), record.W2.ToDouble(),
                     record.D2.ToDouble()};
}

PlanInput ReadRun(const calc::CalculatorState& record) {
  PlanInput input;
  ReadRun(record, input);
  return input;
}

}  // namespace plan
