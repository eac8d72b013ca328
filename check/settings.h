#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "values/setting_rule.h"

namespace check {

enum class Setting { Frequency, SteelLoss, Ambient, Limit, RefineFlux };

inline constexpr std::array kAllSettings{Setting::Frequency, Setting::SteelLoss, Setting::Ambient,
                                         Setting::Limit, Setting::RefineFlux};

/// The check's settings, indexed by Setting: words, option, default and bounds. The batch
/// options, their --help lines and the window's fields are all read from here. The refine flux
/// may be left empty: the refined turns then aim at the table's Bmax.
// clang-format off
inline constexpr std::array<values::SettingRule, kAllSettings.size()> kSettingRules{{
    {"frequency", "Частота сети", "должна", "Гц", "--frequency", "ГЦ",
     "частота сети, от 40 до 70 Гц",
     50, 40, true, 70, false, "числом от 40 до 70 Гц", ""},
    {"steelLoss", "Удельные потери стали", "должны", "Вт/кг", "--steel-loss", "ВТ/КГ",
     "удельные потери стали при 1,5 Тл и 50 Гц,\nбольше 0 и не больше 20 Вт/кг",
     1.5, 0, false, 20, false, "числом больше 0 и не больше 20 Вт/кг", ""},
    {"ambient", "Температура воздуха", "должна", "°C", "--ambient", "ГРАД",
     "температура воздуха вокруг трансформатора,\nот −40 до 100 °C",
     40, -40, true, 100, false, "числом от −40 до 100 °C", ""},
    {"limit", "Предельная температура обмоток", "должна", "°C", "--limit", "ГРАД",
     "наибольшая температура обмоток, которую\nвыдерживает изоляция (класс A - 105),\nот 50 до 250 °C",
     105, 50, true, 250, false, "числом от 50 до 250 °C", ""},
    {"refineFlux", "Индукция для уточненных витков", "должна", "Тл", "--refine-flux", "ТЛ",
     "индукция без нагрузки для уточненных витков\n(ниже табличной - для стали неизвестной\nмарки), от 0.1 до 2.5 Тл",
     0, 0.1, true, 2.5, false, "числом от 0.1 до 2.5 Тл", "Bmax по таблице"},
}};
// clang-format on

/// Mains frequency, steel loss, ambient, insulation limit and the flux the refined turns aim
/// at, with the usual defaults.
struct Settings {
  double frequency = kSettingRules[0].fallback;   ///< Hz
  double steel_loss = kSettingRules[1].fallback;  ///< W/kg at 1.5 T and 50 Hz
  double ambient = kSettingRules[2].fallback;     ///< air around the transformer, °C
  double limit = kSettingRules[3].fallback;       ///< highest winding temperature, °C
  std::optional<double> refine_flux;              ///< T; none: the table's Bmax

  friend bool operator==(const Settings&, const Settings&) = default;
};

/// The rule of one setting.
const values::SettingRule& RuleOf(Setting which);

/// The setting's Russian name as a sentence's subject and a field's label, e.g. «Частота сети».
std::string_view SettingName(Setting which);

/// The unit a setting is given in, e.g. «Гц».
std::string_view SettingUnit(Setting which);

/// The value a setting holds; none for the refine flux left empty.
std::optional<double> SettingValue(const Settings& settings, Setting which);

/// Stores a setting read from text, an empty text leaving the refine flux empty; on refusal
/// returns the Russian reason and changes nothing.
std::optional<std::string> SetFromText(Settings& settings, Setting which, std::string_view text);

/// Stores a number with the same checks as SetFromText.
std::optional<std::string> Set(Settings& settings, Setting which, double value);

/// The first setting whose stored value is out of its range, e.g. one assigned directly.
std::optional<Setting> FirstInvalid(const Settings& settings);

}  // namespace check
