#pragma once

#include <array>
#include <bitset>
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

  /// Forgets which labels were written, before a run.
  void StartRun() { written_.reset(); }

  /// Whether the run since StartRun wrote result `result` (0 is Label26).
  bool Wrote(std::size_t result) const { return written_.test(result); }

 private:
  void SetLabel(int number, std::string_view text) override;

  const Labels& labels_;
  std::bitset<calc::kResultLabelCount> written_;
};

}  // namespace ui
