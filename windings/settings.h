#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "values/setting_rule.h"

namespace windings {

enum class Setting { Diode };

inline constexpr std::array kAllSettings{Setting::Diode};

/// The settings of rectifier windings, indexed by Setting: words, option, default and bounds.
/// The batch option, its --help line, design files and the faces' fields are read from here.
// clang-format off
inline constexpr std::array<values::SettingRule, kAllSettings.size()> kSettingRules{{
    {"diode", "Падение на диоде", "должно", "В", "--diode", "В",
     "падение напряжения на одном открытом диоде\nвыпрямителя, от 0 до 100 В (для кенотрона\nбольше)",
     1.0, 0, true, 100, false, "числом от 0 до 100 В", ""},
}};
// clang-format on

/// The forward drop of one conducting diode, V.
struct Settings {
  double diode = kSettingRules[0].fallback;

  friend bool operator==(const Settings&, const Settings&) = default;
};

/// The rule of one setting.
const values::SettingRule& RuleOf(Setting which);

/// The value a setting holds.
double SettingValue(const Settings& settings, Setting which);

/// Stores a setting read from text; on refusal returns the Russian reason and changes nothing.
std::optional<std::string> SetFromText(Settings& settings, Setting which, std::string_view text);

/// Stores a number with the same checks as SetFromText.
std::optional<std::string> Set(Settings& settings, Setting which, double value);

/// The first setting whose stored value is out of its range, e.g. one assigned directly.
std::optional<Setting> FirstInvalid(const Settings& settings);

}  // namespace windings
