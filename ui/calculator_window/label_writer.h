#pragma once

#include <array>
#include <string_view>

#include "calc/result_labels.h"
#include "ui/calculator_window/result_label.h"

namespace ui {

/// The window's side of a run: puts each result text into its label, Label26 … Label41.
class LabelWriter final : public calc::LabelDisplay {
 public:
  using Labels = std::array<ResultLabel*, calc::kResultLabelCount>;

  /// `labels` is filled by the window after construction and outlives the writer.
  explicit LabelWriter(const Labels& labels) : labels_(labels) {}

 private:
  void SetLabel(int number, std::string_view text) override;

  const Labels& labels_;
};

}  // namespace ui
