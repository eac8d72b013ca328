#include "plan/settings.h"

namespace plan {

namespace {

static_assert(values::RulesFollowTheSettings(kAllSettings, kSettingRules),
              "kSettingRules is indexed by Setting");

void Store(Settings& settings, Setting which, double value) {
  switch (which) {
    case Setting::Grade:
      settings.grade = static_cast<int>(value);
      return;
    case Setting::Bobbin:
      settings.bobbin = value;
      return;
    case Setting::Interlayer:
      settings.interlayer = value;
      return;
    case Setting::Between:
      settings.between = value;
      return;
    case Setting::Wrap:
      settings.wrap = value;
      return;
    case Setting::OwnWire1:
      settings.own_wire[0] = value;
      return;
    case Setting::OwnWire2:
      settings.own_wire[1] = value;
      return;
  }
}

// Calls `use` with the value `which` holds, unless it is an own wire left unset. Plain doubles
// on the way, not an optional: the plan checks its settings on every run.
template <typename Use>
void VisitValue(const Settings& settings, Setting which, Use use) {
  switch (which) {
    case Setting::Grade:
      return use(static_cast<double>(settings.grade));
    case Setting::Bobbin:
      return use(settings.bobbin);
    case Setting::Interlayer:
      return use(settings.interlayer);
    case Setting::Between:
      return use(settings.between);
    case Setting::Wrap:
      return use(settings.wrap);
    case Setting::OwnWire1:
    case Setting::OwnWire2:
      if (const std::optional<double>& wire =
              settings.own_wire[which == Setting::OwnWire1 ? 0 : 1]) {
        use(*wire);
      }
      return;
  }
}

// -0 is stored as 0 so that it never shows as "-0".
double Unsigned(double value) { return value + 0.0; }

}  // namespace

const values::SettingRule& RuleOf(Setting which) {
  return kSettingRules[static_cast<std::size_t>(which)];
}

std::string_view SettingName(Setting which) { return RuleOf(which).name; }

std::string_view SettingUnit(Setting which) { return RuleOf(which).unit; }

std::optional<double> SettingValue(const Settings& settings, Setting which) {
  std::optional<double> value;
  VisitValue(settings, which, [&value](double held) { value = held; });
  return value;
}

std::optional<std::string> SetFromText(Settings& settings, Setting which, std::string_view text) {
  if (IsOwnWire(which) && values::IsBlank(text)) {
    settings.own_wire[which == Setting::OwnWire1 ? 0 : 1].reset();
    return std::nullopt;
  }
  const values::SettingRule& rule = RuleOf(which);
  const std::optional<double> value = values::ReadSettingNumber(text);
  if (!value || !values::Accepts(rule, *value)) return values::Refusal(rule, text);
  Store(settings, which, Unsigned(*value));
  return std::nullopt;
}

std::optional<std::string> Set(Settings& settings, Setting which, double value) {
  const values::SettingRule& rule = RuleOf(which);
  if (!values::Accepts(rule, value)) return values::Refusal(rule, values::ShortestText(value));
  Store(settings, which, Unsigned(value));
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

}  // namespace plan
