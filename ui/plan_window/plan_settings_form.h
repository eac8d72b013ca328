#pragma once

#include <array>

#include <QGroupBox>

#include "plan/settings.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace ui {

/// The plan's settings as the user changes them: the enamel grade, the four insulation
/// thicknesses and the own wires. A value takes effect as it is typed; a refused one gets its
/// reason beside its field and changes nothing.
class PlanSettingsForm final : public QGroupBox {
  Q_OBJECT

 public:
  explicit PlanSettingsForm(QWidget* parent);

  const plan::Settings& Settings() const { return settings_; }

 signals:
  /// The settings took a new value.
  void Changed();

 private:
  /// The thicknesses and own wires: every setting but the grade.
  static constexpr std::size_t kTyped = plan::kAllSettings.size() - 1;

  void AddGradeRow(QFormLayout& form);
  void AddTypedRow(QFormLayout& form, std::size_t k);
  void Apply(std::size_t k, const QString& text);
  void Store(const plan::Settings& changed);

  plan::Settings settings_;
  QComboBox* grade_ = nullptr;
  std::array<QLineEdit*, kTyped> fields_{};
  std::array<QLabel*, kTyped> messages_{};
};

}  // namespace ui
