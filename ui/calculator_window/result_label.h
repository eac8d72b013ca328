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

 private:
  void AllowSelection();
};

}  // namespace ui
