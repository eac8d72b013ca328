#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace values {

/// One setting as every front end names, shows and takes it: a row of a settings kind's table.
struct SettingRule {
  std::string_view key;       ///< how files and stored settings name it: "bobbin", "steelLoss"
  std::string_view name;      ///< Russian: a refusal's subject, the field's label
  std::string_view must;      ///< the verb that agrees with the name: «должна»
  std::string_view unit;      ///< «мм», «Гц»; empty for a plain number
  std::string_view option;    ///< the batch tool's option, "--frequency"; empty for the window only
  std::string_view argument;  ///< what the option takes, as --help shows it: "ГЦ", "1|2"
  std::string_view help;      ///< the --help line after the option, without the default
  double fallback;            ///< the default
  double low;                 ///< lowest value, or the bound just below it
  bool low_included;          ///< whether `low` itself is accepted
  double high;                ///< highest value, always accepted
  bool whole;                 ///< whole numbers only
  std::string_view bounds;    ///< accepted values as a refusal states them
  std::string_view blank;     ///< what an empty value means, as --help and a field's hint say it;
                              ///< empty when a value is required
};

/// Whether a kind's rule table is indexed by its settings: `all[i]` is setting number i.
template <typename AllSettings, typename Rules>
constexpr bool RulesFollowTheSettings(const AllSettings& all, const Rules& rules) {
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (static_cast<std::size_t>(all[i]) != i) return false;
  }
  return rules.size() == all.size();
}

/// Whether `value` is within the rule's bounds; NaN never is.
bool Accepts(const SettingRule& rule, double value);

/// Whether a text holds nothing but blanks: an empty value.
bool IsBlank(std::string_view text);

/// The number a whole text holds, blanks around it allowed, "." or "," as the decimal sign.
std::optional<double> ReadSettingNumber(std::string_view text);

/// Why a value is refused, in Russian; `shown` is how the user gave it, empty when not at all.
std::string Refusal(const SettingRule& rule, std::string_view shown);

/// The default as --help shows it: "2" for a whole setting, else "1.0", "0.05"; what an empty
/// value means for a setting that may be left empty.
std::string DefaultText(const SettingRule& rule);

/// The text of a double a refusal echoes: shortest form that reads back, "1e+300" allowed.
std::string ShortestText(double value);

}  // namespace values
