#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "values/setting_rule.h"

namespace plan {

enum class Setting { Grade, Bobbin, Interlayer, Between, Wrap, OwnWire1, OwnWire2 };

inline constexpr std::array kAllSettings{Setting::Grade,   Setting::Bobbin, Setting::Interlayer,
                                         Setting::Between, Setting::Wrap,   Setting::OwnWire1,
                                         Setting::OwnWire2};

/// The plan's settings, indexed by Setting: words, option, default and bounds. The batch options,
/// their --help lines and the window's fields are all read from here. An own wire has no option
/// and no default: left empty, the plan chooses the wire.
// clang-format off
inline constexpr std::array<values::SettingRule, kAllSettings.size()> kSettingRules{{
    {"grade", "Класс эмалевой изоляции", "должен", "", "--grade", "1|2",
     "класс толщины эмали провода",
     2, 1, true, 2, true, "1 или 2", ""},
    {"bobbin", "Толщина каркаса", "должна", "мм", "--bobbin", "ММ",
     "толщина стенки каркаса или изоляции кольца",
     1.0, 0, true, 100, false, "числом от 0 до 100 мм", ""},
    {"interlayer", "Толщина межслойной изоляции", "должна", "мм", "--interlayer", "ММ",
     "изоляция между слоями одной обмотки",
     0.05, 0, true, 100, false, "числом от 0 до 100 мм", ""},
    {"between", "Толщина изоляции между обмотками", "должна", "мм", "--between", "ММ",
     "изоляция между обмотками",
     0.3, 0, true, 100, false, "числом от 0 до 100 мм", ""},
    {"wrap", "Толщина наружной изоляции", "должна", "мм", "--wrap", "ММ",
     "наружная изоляция поверх 2-й обмотки",
     0.3, 0, true, 100, false, "числом от 0 до 100 мм", ""},
    {"ownWire1", "Диаметр своего провода первичной обмотки", "должен", "мм", "", "", "",
     0, 0.01, true, 10, false, "числом от 0.01 до 10 мм (пусто — без своего провода)",
     "стандартный"},
    {"ownWire2", "Диаметр своего провода вторичной обмотки", "должен", "мм", "", "", "",
     0, 0.01, true, 10, false, "числом от 0.01 до 10 мм (пусто — без своего провода)",
     "стандартный"},
}};
// clang-format on

/// Enamel grade, insulation thicknesses (mm) and the user's own wires, with the usual defaults.
struct Settings {
  int grade = static_cast<int>(kSettingRules[0].fallback);
  double bobbin = kSettingRules[1].fallback;
  double interlayer = kSettingRules[2].fallback;
  double between = kSettingRules[3].fallback;
  double wrap = kSettingRules[4].fallback;
  std::array<std::optional<double>, 2> own_wire{};  // bare diameter, mm, per winding (window only)

  friend bool operator==(const Settings&, const Settings&) = default;
};

/// The rule of one setting.
const values::SettingRule& RuleOf(Setting which);

/// Whether `which` is one of the own wires, which may be left unset.
constexpr bool IsOwnWire(Setting which) {
  return which == Setting::OwnWire1 || which == Setting::OwnWire2;
}

/// The setting's Russian name as a sentence's subject, e.g. «Толщина каркаса».
std::string_view SettingName(Setting which);

/// The unit a setting is given in: «мм», or empty for the grade.
std::string_view SettingUnit(Setting which);

/// The value a setting holds; none for an own wire that is not set.
std::optional<double> SettingValue(const Settings& settings, Setting which);

/// Stores a setting read from text; on refusal returns the Russian reason and changes nothing.
std::optional<std::string> SetFromText(Settings& settings, Setting which, std::string_view text);

/// Stores a number with the same checks as SetFromText.
std::optional<std::string> Set(Settings& settings, Setting which, double value);

/// The first setting whose stored value is out of its range, e.g. one assigned directly.
std::optional<Setting> FirstInvalid(const Settings& settings);

}  // namespace plan
