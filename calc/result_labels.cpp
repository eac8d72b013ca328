#include "calc/result_labels.h"

#include "values/std_compat.h"

namespace calc {

void LabelDisplay::Show(int number, const DynamicValue& value) {
  if (value.kind() == DynamicValue::Kind::Double) return ShowDouble(number, value.ToDouble());
  const values::GeneralText text(value);
  SetLabel(number, text.view());
}

void LabelDisplay::ShowDouble(int number, double value) {
  DoubleTexts& texts = shared_texts_ != nullptr ? *shared_texts_ : own_texts_;
  DoubleTexts::Text& memo = texts.texts_[static_cast<std::size_t>(number - kFirstResultLabel)];
  const auto bits = values::compat::BitCast<std::uint64_t>(value);
  if (!memo.valid || memo.bits != bits) {
    memo.size = static_cast<std::uint8_t>(values::FormatGeneral(value, memo.chars));
    memo.bits = bits;
    memo.valid = true;
  }
  SetLabel(number, {memo.chars, memo.size});
}

void LabelDisplay::Clear(int first, int last) {
  for (int number = first; number <= last; ++number) SetLabel(number, {});
}

void LabelDisplay::ClearResults() { Clear(27, 41); }

void LabelDisplay::ShowLoadPower(const DynamicValue& Pn) { Show(26, Pn); }

void LabelDisplay::ShowCoreFigures(const DynamicValue& Ps, const DynamicValue& Bmax,
                                   const DynamicValue& J, const DynamicValue& Ko,
                                   const DynamicValue& Ss, const DynamicValue& So) {
  Show(32, Ps);
  Show(27, Bmax);
  Show(28, J);
  Show(29, Ko);
  Show(30, Ss);
  Show(31, So);
}

void LabelDisplay::ShowNotFit() {
  Clear(27, 32);
  SetLabel(33, kNotFitVerdict);
  Clear(34, 41);
}

void LabelDisplay::ShowFit(const DynamicValue& cosFi, const DynamicValue& I1) {
  SetLabel(33, kFitVerdict);
  Show(34, cosFi);
  Show(35, I1);
}

void LabelDisplay::ShowWindings(const DynamicValue& S1, const DynamicValue& S2,
                                const DynamicValue& D1, const DynamicValue& D2,
                                const DynamicValue& W1, const DynamicValue& W2) {
  Show(36, S1);
  Show(37, S2);
  Show(38, D1);
  Show(39, D2);
  Show(40, W1);
  Show(41, W2);
}

}  // namespace calc
