#pragma once

#include <array>

#include <QGroupBox>

#include "ui/common/settings_keeper.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace ui {

/// The settings of the plan and its check as the user changes them, one field for each row of
/// their rule tables: the enamel grade from a list, the others typed. A value takes effect as it
/// is typed; a refused one gets its reason beside its field. The keeper holds what is taken.
class PlanSettingsForm final : public QGroupBox {
  Q_OBJECT

 public:
  /// Shows the settings `keeper` holds; `keeper` outlives the form.
  PlanSettingsForm(SettingsKeeper& keeper, QWidget* parent);

 private:
  void AddGradeRow(QFormLayout& form, std::size_t k);
  void AddTypedRow(QFormLayout& form, std::size_t k);
  void AddDiodeRow(QFormLayout& form);
  void ShowRefusal(std::size_t k);
  void ShowTaken();
  void ShowDiodeRefusal();

  SettingsKeeper& keeper_;
  QComboBox* grade_ = nullptr;
  std::array<QLineEdit*, kSettingCount> fields_{};
  std::array<QLabel*, kSettingCount> messages_{};
  QLineEdit* diode_ = nullptr;
  QLabel* diode_message_ = nullptr;
};

}  // namespace ui
