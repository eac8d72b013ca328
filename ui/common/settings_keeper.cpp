#include "ui/common/settings_keeper.h"

#include <optional>
#include <string>

namespace ui {

SettingsKeeper::~SettingsKeeper() { StoreAll(); }

const WindowSettings& SettingsKeeper::Taken() {
  if (!loaded_) {
    taken_ = LoadSettings();
    loaded_ = true;
  }
  return taken_;
}

QString SettingsKeeper::Refusal() const {
  for (const QString& refusal : refusals_) {
    if (!refusal.isEmpty()) return refusal;
  }
  return {};
}

void SettingsKeeper::Type(std::size_t k, const QString& text) {
  WindowSettings changed = Taken();
  const std::optional<std::string> refusal = account::SetSetting(changed, k, text.toStdString());
  const QString before = refusals_[k];
  refusals_[k] = refusal ? QString::fromStdString(*refusal) : QString();
  if (refusals_[k] == before && changed == taken_) return;
  taken_ = changed;
  emit Changed();
}

const WindingRows& SettingsKeeper::Rows() {
  if (!rows_loaded_) {
    rows_ = LoadRows();
    rectifier_ = LoadRectifier();
    rows_loaded_ = true;
  }
  return rows_;
}

void SettingsKeeper::SetRows(const WindingRows& rows) {
  Rows();
  if (rows == rows_) return;
  rows_ = rows;
  StoreRows(rows_);
  emit Changed();
}

const windings::Settings& SettingsKeeper::Rectifier() {
  Rows();
  return rectifier_;
}

void SettingsKeeper::TypeDiode(const QString& text) {
  windings::Settings changed = Rectifier();
  const std::optional<std::string> refusal =
      windings::SetFromText(changed, windings::Setting::Diode, text.toStdString());
  const QString before = diode_refusal_;
  diode_refusal_ = refusal ? QString::fromStdString(*refusal) : QString();
  if (diode_refusal_ == before && changed == rectifier_) return;
  rectifier_ = changed;
  emit Changed();
}

void SettingsKeeper::FinishDiode() {
  if (rows_loaded_ && diode_refusal_.isEmpty()) StoreRectifier(rectifier_);
}

void SettingsKeeper::Finish(std::size_t k) {
  if (loaded_ && refusals_[k].isEmpty()) StoreSetting(taken_, k);
}

void SettingsKeeper::StoreAll() {
  for (std::size_t k = 0; k < kSettingCount; ++k) Finish(k);
  FinishDiode();
}

void SettingsKeeper::RestoreDefaults() { Replace(WindowSettings{}, Rows(), windings::Settings{}); }

void SettingsKeeper::Replace(const WindowSettings& settings, const WindingRows& rows,
                             const windings::Settings& rectifier) {
  loaded_ = true;
  taken_ = settings;
  refusals_ = {};
  rows_loaded_ = true;
  rows_ = rows;
  rectifier_ = rectifier;
  diode_refusal_.clear();
  StoreRows(rows_);
  StoreAll();
  emit Replaced();
  emit Changed();
}

const QString& SettingsKeeper::DesignFolder() {
  if (!design_folder_) design_folder_ = LoadDesignFolder();
  return *design_folder_;
}

void SettingsKeeper::KeepDesignFolder(const QString& folder) {
  design_folder_ = folder;
  StoreDesignFolder(folder);
}

}  // namespace ui
