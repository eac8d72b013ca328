#include "check/design_check.h"

namespace check {

void ReadRun(const calc::CalculatorState& record, CheckInput& out) {
  plan::ReadRun(record, out.run);
  out.bmax = record.Bmax.ToDouble();
  out.ks = record.Ks.ToDouble();
}

CheckInput ReadRun(const calc::CalculatorState& record) {
  CheckInput input;
  ReadRun(record, input);
  return input;
}

}  // namespace check
