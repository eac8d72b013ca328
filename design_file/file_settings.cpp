#include "design_file/file_settings.h"

#include <algorithm>
#include <array>
#include <vector>

namespace design_file {

namespace {

// The check's settings that the rectifier windings and the refined turns are bringing, until
// they are in its rule table; their keys are taken now so that files need no new version.
// clang-format off
constexpr std::array<values::SettingRule, 2> kLaterRules{{
    {"diode", "Падение на диоде", "должно", "В", "", "", "",
     1.0, 0, true, 100, false, "числом от 0 до 100 В"},
    {"refineFlux", "Индукция для уточненных витков", "должна", "Тл", "", "", "",
     0, 0.1, true, 2.5, false, "числом от 0.1 до 2.5 Тл (пусто — по таблице)"},
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
  return setting.index == 0 ? std::optional(design.diode) : design.refine_flux;
}

std::optional<std::string> Store(Design& design, FileSetting setting, std::optional<double> value) {
  const values::SettingRule& rule = RuleOf(setting);
  switch (setting.holder) {
    case Holder::Plan:
      return plan::Set(design.plan, plan::kAllSettings[setting.index], value);
    case Holder::Check:
      if (!value) return values::Refusal(rule, "");
      return check::Set(design.check, check::kAllSettings[setting.index], *value);
    case Holder::Later:
      break;
  }
  const bool may_be_unset = setting.index == 1;
  if (!value) {
    if (!may_be_unset) return values::Refusal(rule, "");
    design.refine_flux.reset();
    return std::nullopt;
  }
  if (!values::Accepts(rule, *value)) return values::Refusal(rule, values::ShortestText(*value));
  if (setting.index == 0) {
    design.diode = *value + 0.0;
  } else {
    design.refine_flux = *value + 0.0;
  }
  return std::nullopt;
}

}  // namespace design_file
