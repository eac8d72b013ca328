#pragma once

#include "calc/calculator.h"
#include "check/design_check.h"
#include "test_support.h"

namespace check {

/// The check's input after one run of `inputs` on a fresh record, whose core fits.
inline CheckInput InputOfRun(const calc::InputTexts& inputs) {
  calc::CalculatorState record;
  plan::FitWatch display;
  calc::CalculateDesign(record, inputs, display);
  return ReadRun(record);
}

/// The start inputs: a ring core 2 × 5 cm with a 7 cm hole, 220 V to 12 V 1.5 A.
inline CheckInput StartRing() {
  return InputOfRun({"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"});
}

/// A small laminated shell core, 220 V to 12 V 1 A.
inline CheckInput SmallShell() {
  return InputOfRun({"1", "220", "12", "1", "2", "2.5", "1.2", "3", "0.35"});
}

}  // namespace check
