#pragma once

#include <QLabel>

namespace ui {

/// A light-green label that a run writes a result into. Screen readers get its caption as the
/// name and the result as its text, since a plain QLabel would give them only one of the two.
class ResultLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit ResultLabel(QWidget* parent);

  /// Shows `text` and tells assistive technology that it changed.
  void ShowResult(const QString& text);

  /// Draws the text in the theme's disabled text colour while it no longer matches the inputs.
  void ShowStale(bool stale);

  /// Gives the box the warning tint of a marked input field.
  void ShowWarning(bool warning);

 private:
  void AllowSelection();
};

}  // namespace ui
