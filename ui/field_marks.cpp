#include "ui/field_marks.h"

#include <QLineEdit>
#include <QPalette>
#include <QVariant>

namespace ui {

namespace {

constexpr char kMarkProperty[] = "runNote";

// Amber mixed into the theme's own field colour: pale on a light theme, dark on a dark one,
// so the theme's text colour stays readable on it.
const QColor kWarning(240, 160, 0);
constexpr double kWarningShare = 0.35;

QColor Tinted(const QColor& base) {
  const auto mix = [](int from, int to) {
    return static_cast<int>(from + (to - from) * kWarningShare + 0.5);
  };
  return QColor(mix(base.red(), kWarning.red()), mix(base.green(), kWarning.green()),
                mix(base.blue(), kWarning.blue()));
}

void Mark(QLineEdit& field, const QString& explanation) {
  if (!FieldMarks::IsMarked(field)) {
    QPalette colours = field.palette();
    colours.setColor(QPalette::Base, Tinted(colours.color(QPalette::Base)));
    field.setPalette(colours);
    field.setProperty(kMarkProperty, true);
  }
  field.setToolTip(explanation);
  field.setAccessibleDescription(explanation);
}

void Unmark(QLineEdit& field) {
  if (!FieldMarks::IsMarked(field)) return;
  field.setPalette(QPalette());  // back to what the window and the theme give
  field.setProperty(kMarkProperty, false);
  field.setToolTip({});
  field.setAccessibleDescription({});
}

}  // namespace

void FieldMarks::Show(const std::array<QString, 9>& explanations) {
  for (std::size_t k = 0; k < fields_.size(); ++k) {
    if (explanations[k].isEmpty()) {
      Unmark(*fields_[k]);
    } else {
      Mark(*fields_[k], explanations[k]);
    }
  }
}

bool FieldMarks::IsMarked(const QLineEdit& field) { return field.property(kMarkProperty).toBool(); }

}  // namespace ui
