#include "check/settings.h"

namespace check {

namespace {

static_assert(values::RulesFollowTheSettings(kAllSettings, kSettingRules),
              "kSettingRules is indexed by Setting");

// The settings that always hold a number, indexed by Setting; the refine flux is kept apart.
constexpr std::array<double Settings::*, kAllSettings.size() - 1> kFields{
    &Settings::frequency, &Settings::steel_loss, &Settings::ambient, &Settings::limit};

constexpr std::size_t Index(Setting which) { return static_cast<std::size_t>(which); }

static_assert(Index(Setting::RefineFlux) == kFields.size(), "the refine flux comes last");

// Calls `use` with the value `which` holds, unless it is the refine flux left unset. Plain
// doubles on the way, not an optional: every check looks over its settings.
template <typename Use>
void VisitValue(const Settings& settings, Setting which, Use use) {
  if (which != Setting::RefineFlux) {
    use(settings.*kFields[Index(which)]);
  } else if (settings.refine_flux) {
    use(*settings.refine_flux);
  }
}

void Store(Settings& settings, Setting which, std::optional<double> value) {
  if (which == Setting::RefineFlux) {
    settings.refine_flux = value;
  } else {
    settings.*kFields[Index(which)] = *value;
  }
}

}  // namespace

const values::SettingRule& RuleOf(Setting which) { return kSettingRules[Index(which)]; }

std::string_view SettingName(Setting which) { return RuleOf(which).name; }

std::string_view SettingUnit(Setting which) { return RuleOf(which).unit; }

std::optional<double> SettingValue(const Settings& settings, Setting which) {
  std::optional<double> value;
  VisitValue(settings, which, [&value](double held) { value = held; });
  return value;
}

std::optional<std::string> SetFromText(Settings& settings, Setting which, std::string_view text) {
  const values::SettingRule& rule = RuleOf(which);
  if (!rule.blank.empty() && values::IsBlank(text)) {
    Store(settings, which, std::nullopt);
    return std::nullopt;
  }
  const std::optional<double> value = values::ReadSettingNumber(text);
  if (!value || !values::Accepts(rule, *value)) return values::Refusal(rule, text);
  // -0 is stored as 0 so that it never shows as "-0".
  Store(settings, which, *value + 0.0);
  return std::nullopt;
}

std::optional<std::string> Set(Settings& settings, Setting which, double value) {
  const values::SettingRule& rule = RuleOf(which);
  if (!values::Accepts(rule, value)) return values::Refusal(rule, values::ShortestText(value));
  Store(settings, which, value + 0.0);
  return std::nullopt;
}

std::optional<Setting> FirstInvalid(const Settings& settings) {
  for (const Setting which : kAllSettings) {
    bool accepted = true;
    VisitValue(settings, which,
               [&](double held) { accepted = values::Accepts(RuleOf(which), held); });
    if (!accepted) return which;
  }
  return std::nullopt;
}

}  // namespace check
