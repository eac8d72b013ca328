#include "design_file/file_settings.h"

#include <algorithm>
#include <array>
#include <vector>

namespace design_file {

namespace {

// The check's setting that the rectifier windings are bringing, until it is in its rule table;
// its key is taken now so that files need no new version.
// clang-format off
constexpr std::array<values::SettingRule, 1> kLaterRules{{
    {"diode", "Падение на диоде", "должно", "В", "", "", "",
     1.0, 0, true, 100, false, "числом от 0 до 100 В", ""},
}};
// clang-format on

template <typename Rules>
constexpr bool NamesAny(const Rules& rules, std::string_view key) {
  return std::any_of(rules.begin(), rules.end(),
                     [key](const values::SettingRule& rule) { return rule.key == key; });
}

constexpr bool LaterKeysAreNew() {
  return std::none_of(kLaterRules.begin(), kLaterRules.end(), [](const auto& rule) {
    return NamesAny(plan::kSettingRules, rule.key) || NamesAny(check::kSettingRules, rule.key);
  });
}
static_assert(LaterKeysAreNew(),
              "a later setting is in a rule table now: drop it from kLaterRules");

std::vector<FileSetting> AllSettings() {
  std::vector<FileSetting> all;
  for (std::size_t i = 0; i < plan::kSettingRules.size(); ++i) all.push_back({Holder::Plan, i});
  for (std::size_t i = 0; i < check::kSettingRules.size(); ++i) all.push_back({Holder::Check, i});
  for (std::size_t i = 0; i < kLaterRules.size(); ++i) all.push_back({Holder::Later, i});
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
    case Holder::Later:
      break;
  }
  return kLaterRules[setting.index];
}

std::optional<double> ValueOf(const Design& design, FileSetting setting) {
  switch (setting.holder) {
    case Holder::Plan:
      return plan::SettingValue(design.plan, plan::kAllSettings[setting.index]);
    case Holder::Check:
      return check::SettingValue(design.check, check::kAllSettings[setting.index]);
    case Holder::Later:
      break;
  }
  return design.diode;
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
    case Holder::Later:
      break;
  }
  const values::SettingRule& rule = RuleOf(setting);
  if (!value) return values::Refusal(rule, "");
  if (!values::Accepts(rule, *value)) return values::Refusal(rule, values::ShortestText(*value));
  design.diode = *value + 0.0;
  return std::nullopt;
}

}  // namespace design_file
