#pragma once

#include <array>

#include <QGroupBox>

#include "ui/common/window_settings.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace ui {

/// The settings of the plan and its check as the user changes them, one field for each row of
/// their rule tables: the enamel grade from a list, the others typed. A value takes effect as it
/// is typed; a refused one gets its reason beside its field, and until it is corrected or
/// restored the form reports it instead of settings. Accepted settings are kept for the next
/// session.
class PlanSettingsForm final : public QGroupBox {
  Q_OBJECT

 public:
  /// Starts from the settings the user last accepted.
  explicit PlanSettingsForm(QWidget* parent);

  /// The settings last accepted in every field.
  const WindowSettings& Settings() const { return settings_; }

  /// Why the first field that holds a refused value refuses it; empty when none does.
  QString Refusal() const;

  /// Puts every field back to its default.
  void RestoreDefaults();

 signals:
  /// The accepted settings changed, or a field began or stopped refusing its value.
  void Changed();

 private:
  void AddGradeRow(QFormLayout& form, std::size_t k);
  void AddTypedRow(QFormLayout& form, std::size_t k);
  void Apply(std::size_t k, const QString& text);
  void Show(const WindowSettings& settings);

  WindowSettings settings_;
  QComboBox* grade_ = nullptr;
  std::array<QLineEdit*, kSettingCount> fields_{};
  std::array<QLabel*, kSettingCount> messages_{};
  std::array<QString, kSettingCount> refusals_;
};

}  // namespace ui
