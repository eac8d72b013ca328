#include "ui/calculator_window/result_marks.h"

#include <QStringList>

#include "account/stale_words.h"
#include "ui/common/utf8.h"

namespace ui {

namespace {

constexpr int kVerdict = 33 - calc::kFirstResultLabel;

}  // namespace

void ResultMarks::SetVerdictHint(const QString& hint) {
  hint_ = hint;
  Describe();
}

void ResultMarks::ShowRun(const QString& warning) {
  warning_ = warning;
  labels_[kVerdict]->ShowWarning(!warning.isEmpty());
  stale_ = true;  // so that ShowStale draws every label afresh
  ShowStale(false);
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
  if (!hint_.isEmpty()) parts << hint_;
  const QString text = parts.join(QStringLiteral("\n\n"));
  labels_[kVerdict]->setToolTip(text);
  labels_[kVerdict]->setAccessibleDescription(text);
}

}  // namespace ui
