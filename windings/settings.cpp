#include "windings/settings.h"

#include <cstddef>

namespace windings {

namespace {

static_assert(values::RulesFollowTheSettings(kAllSettings, kSettingRules),
              "kSettingRules is indexed by Setting");

constexpr std::array<double Settings::*, kAllSettings.size()> kFields{&Settings::diode};

constexpr std::size_t Index(Setting which) { return static_cast<std::size_t>(which); }

}  // namespace

const values::SettingRule& RuleOf(Setting which) { return kSettingRules[Index(which)]; }

double SettingValue(const Settings& settings, Setting which) {
  return settings.*kFields[Index(which)];
}

std::optional<std::string> SetFromText(Settings& settings, Setting which, std::string_view text) {
  const values::SettingRule& rule = RuleOf(which);
  const std::optional<double> value = values::ReadSettingNumber(text);
  if (!value || !values::Accepts(rule, *value)) return values::Refusal(rule, text);
  // -0 is stored as 0 so that it never shows as "-0".
  settings.*kFields[Index(which)] = *value + 0.0;
  return std::nullopt;
}

std::optional<std::string> Set(Settings& settings, Setting which, double value) {
  const values::SettingRule& rule = RuleOf(which);
  if (!values::Accepts(rule, value)) return values::Refusal(rule, values::ShortestText(value));
  settings.*kFields[Index(which)] = value + 0.0;
  return std::nullopt;
}

std::optional<Setting> FirstInvalid(const Settings& settings) {
  for (const Setting which : kAllSettings) {
    if (!values::Accepts(RuleOf(which), SettingValue(settings, which))) return which;
  }
  return std::nullopt;
}

}  // namespace windings
