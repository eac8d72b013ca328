#pragma once

#include <QString>

#include <array>

#include "calc/result_labels.h"
#include "ui/calculator_window/result_label.h"

namespace ui {

/// What the window says of its results beyond their texts: that they no longer match edited
/// fields, what the verdict rests on and what a refused core can give, as the verdict's tint,
/// tooltip and accessible description, and what the check finds of the turns, as links on them.
/// The texts themselves stay as the run wrote them.
class ResultMarks {
 public:
  using Labels = std::array<ResultLabel*, calc::kResultLabelCount>;

  /// `labels` is filled by the window after construction and outlives the marks.
  explicit ResultMarks(const Labels& labels) : labels_(labels) {}

  /// The verdict's lasting hint, shown below what a run adds.
  void SetVerdictHint(const QString& hint);

  /// After a run: its results match the fields; `warning` (may be empty) is what the verdict
  /// rests on, `capacity` (may be empty) what a refused core can give.
  void ShowRun(const QString& warning, const QString& capacity);

  /// Makes the turns W1 and W2 links to the check with `words` (TurnMarkWords), or plain
  /// results again when they are empty.
  void ShowTurnMarks(const QString& words);

  /// The results that can be links, in the order Tab reaches them.
  std::array<ResultLabel*, 2> Turns() const;

  /// Whether the fields still hold what the last run read.
  void ShowStale(bool stale);

 private:
  void Describe();

  const Labels& labels_;
  QString hint_;
  QString warning_;
  QString capacity_;
  bool stale_ = false;
};

}  // namespace ui
