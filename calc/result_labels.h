#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calc/calculator.h"

namespace calc {

/// The result labels are Label26 … Label41.
inline constexpr int kFirstResultLabel = 26;
inline constexpr int kLastResultLabel = 41;
inline constexpr int kResultLabelCount = kLastResultLabel - kFirstResultLabel + 1;

inline constexpr std::string_view kFitVerdict = "Подходит";
inline constexpr std::string_view kNotFitVerdict = "Неподходит";

// clang-format off
/// The captions of the rows of Label26 … Label41, as the window shows them.
inline constexpr std::array<std::string_view, kResultLabelCount> kResultCaptions = {
    "Мощность нагрузки Pn, Вт ....................................................",
    "Магнитная индукция Bmax ....................................................",
    "Плотность тока J ...................................................................",
    "Коэффициент заполнения окна ...........................................",
    "Площадь сечения магнитопровода Ss................................. ",
    "Площадь окна в магнитопроводе Sok..................................",
    "Макс. мощность железа Ps................................................... ",
    "Резюме: подходит или нет выбранное вами железо..........",
    "Cos(Fi).......................................................................................",
    "Номинальный ток первичной обмотки: I1............................ ",
    "Сечение провода в 1-й обмотке ...........................................",
    "Сечение провода во 2-й обмотке .........................................",
    "Диаметр провода в 1-й обмотке ..........................................",
    "Диаметр провода во 2-й обмотке ........................................",
    "Число витков в 1-й обмотке трансформатора ...................",
    "Число витков во 2-й обмотке трансформатора .................",
};
// clang-format on

/// A caption without the run of full stops (and blanks) that leads the eye to its field.
constexpr std::string_view WithoutLeader(std::string_view caption) {
  return caption.substr(0, caption.find_last_not_of(". ") + 1);
}

/// The general text last made of a double for each result label: coefficients come from the
/// tables and repeat from run to run, so their texts are made once.
class DoubleTexts {
 private:
  friend class LabelDisplay;
  struct Text {
    std::uint64_t bits = 0;
    bool valid = false;
    std::uint8_t size = 0;
    char chars[values::kGeneralTextCapacity];
  };
  std::array<Text, kResultLabelCount> texts_{};
};

/// Turns a run's results into the texts of the result labels, written in the window's order;
/// a front end only says how one label takes its text.
class LabelDisplay : public ResultDisplay {
 public:
  void ClearResults() final;
  void ShowLoadPower(const DynamicValue& Pn) final;
  void ShowCoreFigures(const DynamicValue& Ps, const DynamicValue& Bmax, const DynamicValue& J,
                       const DynamicValue& Ko, const DynamicValue& Ss,
                       const DynamicValue& So) final;
  void ShowNotFit() final;
  void ShowFit(const DynamicValue& cosFi, const DynamicValue& I1) final;
  void ShowWindings(const DynamicValue& S1, const DynamicValue& S2, const DynamicValue& D1,
                    const DynamicValue& D2, const DynamicValue& W1, const DynamicValue& W2) final;

 protected:
  /// Keeps the texts of doubles for as long as the display lives.
  LabelDisplay() = default;
  /// Keeps them in `texts` instead, for a display made anew for each run.
  explicit LabelDisplay(DoubleTexts& texts) : shared_texts_(&texts) {}

  /// Sets Label`number` (26 … 41) to `text`.
  virtual void SetLabel(int number, std::string_view text) = 0;

 private:
  void Show(int number, const DynamicValue& value);
  void ShowDouble(int number, double value);
  void Clear(int first, int last);

  DoubleTexts own_texts_;
  DoubleTexts* shared_texts_ = nullptr;
};

}  // namespace calc
