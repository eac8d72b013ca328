#pragma once

#include <QString>

#include <array>

#include "calc/result_labels.h"
#include "ui/calculator_window/result_label.h"

namespace ui {

/// What the window says of its results beyond their texts: that they no longer match edited
/// fields, and what the verdict rests on, as the verdict's tint, tooltip and accessible
/// description. The texts themselves stay as the run wrote them.
class ResultMarks {
 public:
  using Labels = std::array<ResultLabel*, calc::kResultLabelCount>;

  /// `labels` is filled by the window after construction and outlives the marks.
  explicit ResultMarks(const Labels& labels) : labels_(labels) {}

  /// The verdict's lasting hint, shown below what a run adds.
  void SetVerdictHint(const QString& hint);

  /// After a run: its results match the fields; `warning` (may be empty) is what the verdict
  /// rests on.
  void ShowRun(const QString& warning);

  /// Whether the fields still hold what the last run read.
  void ShowStale(bool stale);

 private:
  void Describe();

  const Labels& labels_;
  QString hint_;
  QString warning_;
  bool stale_ = false;
};

}  // namespace ui
