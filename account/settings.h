#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "check/settings.h"
#include "plan/settings.h"
#include "values/setting_rule.h"

namespace account {

/// The settings of the plan and its check, as every face takes them.
struct Settings {
  plan::Settings plan;
  check::Settings check;

  friend bool operator==(const Settings&, const Settings&) = default;
};

/// How many settings there are: the plan's, then the check's, in the order of their rule tables.
inline constexpr std::size_t kSettingCount = plan::kAllSettings.size() + check::kAllSettings.size();

/// The rule of setting `k`: key, name, unit, default and bounds.
const values::SettingRule& SettingRule(std::size_t k);

/// Whether setting `k` is the plan's enamel grade, which a face may offer as a choice.
bool IsGrade(std::size_t k);

/// The setting's caption with its unit: «Толщина каркаса, мм».
std::string SettingCaption(std::size_t k);

/// The value as the user types it: "1", "0.05"; empty for an own wire that is not set.
std::string SettingText(const Settings& settings, std::size_t k);

/// The value with its unit as the sheet and the copies give it: «1 мм»; for an empty value what
/// it means, «стандартный провод», «Bmax по таблице».
std::string SettingWords(const Settings& settings, std::size_t k);

/// Takes setting `k` from `text` by the one rule every face refuses by; on refusal returns the
/// Russian reason and changes nothing.
std::optional<std::string> SetSetting(Settings& settings, std::size_t k, std::string_view text);

/// The texts of all settings, one a field, in the order of their rules.
using SettingTexts = std::array<std::string_view, kSettingCount>;

/// Settings as typed: what was taken, and why any value was refused.
struct TakenSettings {
  Settings taken;  ///< a refused value leaves its setting as it was
  std::array<std::string, kSettingCount> refusals;  ///< empty for a value taken

  /// The first refusal; empty when every value was taken.
  std::string_view FirstRefusal() const;
};

/// Takes each text in turn into `settings`.
TakenSettings TakeSettings(const Settings& settings, const SettingTexts& texts);

}  // namespace account
