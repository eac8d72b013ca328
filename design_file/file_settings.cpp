#include "design_file/file_settings.h"

#include <algorithm>
#include <array>
#include <vector>

namespace design_file {

namespace {

std::vector<FileSetting> AllSettings() {
  std::vector<FileSetting> all;
  for (std::size_t i = 0; i < plan::kSettingRules.size(); ++i) all.push_back({Holder::Plan, i});
  for (std::size_t i = 0; i < check::kSettingRules.size(); ++i) all.push_back({Holder::Check, i});
  for (std::size_t i = 0; i < windings::kSettingRules.size(); ++i) {
    all.push_back({Holder::Rectifier, i});
  }
  return all;
}

}  // namespace

std::span<const FileSetting> FileSettings() {
  static const std::vector<FileSetting> all = AllSettings();
  return all;
}

std::optional<FileSetting> FindFileSetting(std::string_view key) {
  for (const FileSetting setting : FileSettings()) {
    if (RuleOf(setting).key == key) return setting;
  }
  return std::nullopt;
}

const values::SettingRule& RuleOf(FileSetting setting) {
  switch (setting.holder) {
    case Holder::Plan:
      return plan::kSettingRules[setting.index];
    case Holder::Check:
      return check::kSettingRules[setting.index];
    case Holder::Rectifier:
      break;
  }
  return windings::kSettingRules[setting.index];
}

std::optional<double> ValueOf(const Design& design, FileSetting setting) {
  switch (setting.holder) {
    case Holder::Plan:
      return plan::SettingValue(design.plan, plan::kAllSettings[setting.index]);
    case Holder::Check:
      return check::SettingValue(design.check, check::kAllSettings[setting.index]);
    case Holder::Rectifier:
      break;
  }
  return windings::SettingValue(design.rectifier, windings::kAllSettings[setting.index]);
}

// None is stored as an emptied field would be: a setting that may be empty is left so, any
// other is refused as not given.
std::optional<std::string> Store(Design& design, FileSetting setting, std::optional<double> value) {
  switch (setting.holder) {
    case Holder::Plan: {
      const plan::Setting which = plan::kAllSettings[setting.index];
      return value ? plan::Set(design.plan, which, *value)
                   : plan::SetFromText(design.plan, which, "");
    }
    case Holder::Check: {
      const check::Setting which = check::kAllSettings[setting.index];
      return value ? check::Set(design.check, which, *value)
                   : check::SetFromText(design.check, which, "");
    }
    case Holder::Rectifier:
      break;
  }
  const windings::Setting which = windings::kAllSettings[setting.index];
  return value ? windings::Set(design.rectifier, which, *value)
               : windings::SetFromText(design.rectifier, which, "");
}

}  // namespace design_file
