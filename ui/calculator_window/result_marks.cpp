#include "ui/calculator_window/result_marks.h"

#include <QStringList>

#include "account/stale_words.h"
#include "ui/common/utf8.h"

namespace ui {

namespace {

constexpr int kVerdict = 33 - calc::kFirstResultLabel;
constexpr int kFirstTurns = 40 - calc::kFirstResultLabel;

}  // namespace

void ResultMarks::SetVerdictHint(const QString& hint) {
  hint_ = hint;
  Describe();
}

void ResultMarks::ShowRun(const QString& warning, const QString& capacity) {
  warning_ = warning;
  capacity_ = capacity;
  labels_[kVerdict]->ShowWarning(!warning.isEmpty());
  stale_ = true;  // so that ShowStale draws every label afresh
  ShowStale(false);
}

void ResultMarks::ShowTurnMarks(const QString& words) {
  for (ResultLabel* label : Turns()) label->ShowLink(words);
}

std::array<ResultLabel*, 2> ResultMarks::Turns() const {
  return {labels_[kFirstTurns], labels_[kFirstTurns + 1]};
}

void ResultMarks::ShowStale(bool stale) {
  if (stale == stale_) return;
  stale_ = stale;
  for (ResultLabel* label : labels_) label->ShowStale(stale);
  Describe();
}

void ResultMarks::Describe() {
  QStringList parts;
  if (stale_) parts << FromUtf8(account::kStaleResultsWords);
  if (!warning_.isEmpty()) parts << warning_;
  if (!capacity_.isEmpty()) parts << capacity_;
  if (!hint_.isEmpty()) parts << hint_;
  const QString text = parts.join(QStringLiteral("\n\n"));
  labels_[kVerdict]->setToolTip(text);
  labels_[kVerdict]->setAccessibleDescription(text);
}

}  // namespace ui
