#pragma once

#include <array>

#include <QString>

class QLineEdit;

namespace ui {

/// Tints `field` with a warning colour that reads on light and dark themes and gives it
/// `explanation` as tooltip and accessible description.
void MarkField(QLineEdit& field, const QString& explanation);

/// Takes the mark of MarkField away; a field without one is left as it is.
void UnmarkField(QLineEdit& field);

/// Marks the input fields that a run's notes concern: a warning tint that reads on light and
/// dark themes, and the explanation as tooltip and accessible description.
class FieldMarks {
 public:
  using Fields = std::array<QLineEdit*, 9>;

  /// `fields` is filled by the window after construction and outlives the marks.
  explicit FieldMarks(const Fields& fields) : fields_(fields) {}

  /// Marks each field with a non-empty explanation and takes the marks of all others away.
  void Show(const std::array<QString, 9>& explanations);

  /// Whether a field carries a mark; for tests and style sheets also its "runNote" property.
  static bool IsMarked(const QLineEdit& field);

 private:
  const Fields& fields_;
};

}  // namespace ui
