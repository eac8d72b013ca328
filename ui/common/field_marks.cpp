#include "ui/common/field_marks.h"

#include <QLineEdit>
#include <QPalette>
#include <QVariant>

#include "ui/common/plain_tooltips.h"
#include "ui/common/theme_tint.h"

namespace ui {

namespace {

constexpr char kMarkProperty[] = "runNote";

}  // namespace

void MarkField(QLineEdit& field, const QString& explanation) {
  if (!FieldMarks::IsMarked(field)) {
    QPalette colours = field.palette();
    colours.setColor(QPalette::Base, Tinted(colours.color(QPalette::Base), kWarningHue));
    field.setPalette(colours);
    field.setProperty(kMarkProperty, true);
    ShowToolTipAsTyped(field);
  }
  field.setToolTip(explanation);
  field.setAccessibleDescription(explanation);
}

void UnmarkField(QLineEdit& field) {
  if (!FieldMarks::IsMarked(field)) return;
  field.setPalette(QPalette());  // back to what the window and the theme give
  field.setProperty(kMarkProperty, false);
  field.setToolTip({});
  field.setAccessibleDescription({});
}

void FieldMarks::Show(const std::array<QString, 9>& explanations) {
  for (std::size_t k = 0; k < fields_.size(); ++k) {
    if (explanations[k].isEmpty()) {
      UnmarkField(*fields_[k]);
    } else {
      MarkField(*fields_[k], explanations[k]);
    }
  }
}

bool FieldMarks::IsMarked(const QLineEdit& field) { return field.property(kMarkProperty).toBool(); }

}  // namespace ui
