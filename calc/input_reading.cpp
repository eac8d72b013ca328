#include "calc/calculator.h"

#include "values/number_text.h"

namespace calc {

void ReadInputs(CalculatorState& state, const InputTexts& texts) {
  using values::ReadNumber;
  state.N = values::RoundToInt16(ReadNumber(texts[0]));
  state.U1 = ReadNumber(texts[1]);
  state.U2 = ReadNumber(texts[2]);
  state.I2 = ReadNumber(texts[3]);
  state.a = ReadNumber(texts[4]);
  state.b = ReadNumber(texts[5]);
  state.c = ReadNumber(texts[6]);
  state.h = ReadNumber(texts[7]);
  state.Tl = ReadNumber(texts[8]);
}

}  // namespace calc
