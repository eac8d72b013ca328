#include "account/settings.h"

#include <array>

#include "values/std_compat.h"

namespace account {

namespace {

constexpr std::size_t kPlanCount = plan::kAllSettings.size();

std::optional<double> Value(const Settings& settings, std::size_t k) {
  if (k < kPlanCount) return plan::SettingValue(settings.plan, plan::kAllSettings[k]);
  return check::SettingValue(settings.check, check::kAllSettings[k - kPlanCount]);
}

// The fewest decimals that read back as `value`, never an exponent: "0.0001", not "1e-04".
std::string FixedText(double value) {
  // Any double fits: 309 whole digits, or "0." and up to 340 decimals, and a sign.
  std::array<char, 360> text{};
  for (int decimals = 0; decimals <= 340; ++decimals) {
    const auto written =
        values::compat::ToCharsFixed(text.data(), text.data() + text.size(), value, decimals);
    double back = 0;
    values::compat::FromChars(text.data(), written.ptr, back);
    if (back == value) return std::string(text.data(), written.ptr);
  }
  return "—";
}

}  // namespace

const values::SettingRule& SettingRule(std::size_t k) {
  if (k < kPlanCount) return plan::RuleOf(plan::kAllSettings[k]);
  return check::RuleOf(check::kAllSettings[k - kPlanCount]);
}

bool IsGrade(std::size_t k) {
  return k < kPlanCount && plan::kAllSettings[k] == plan::Setting::Grade;
}

std::string SettingCaption(std::size_t k) {
  const values::SettingRule& rule = SettingRule(k);
  std::string caption(rule.name);
  if (!rule.unit.empty()) caption.append(", ").append(rule.unit);
  return caption;
}

std::string SettingText(const Settings& settings, std::size_t k) {
  const std::optional<double> value = Value(settings, k);
  return value ? FixedText(*value) : std::string();
}

std::string SettingWords(const Settings& settings, std::size_t k) {
  std::string words = SettingText(settings, k);
  if (words.empty()) {
    // Of the plan's settings only an own wire may be left empty; a check setting says its
    // meaning.
    if (k < kPlanCount) return "стандартный провод";
    return std::string(SettingRule(k).blank);
  }
  const std::string_view unit = SettingRule(k).unit;
  if (!unit.empty()) words.append(" ").append(unit);
  return words;
}

std::optional<std::string> SetSetting(Settings& settings, std::size_t k, std::string_view text) {
  if (k < kPlanCount) return plan::SetFromText(settings.plan, plan::kAllSettings[k], text);
  return check::SetFromText(settings.check, check::kAllSettings[k - kPlanCount], text);
}

std::string_view TakenSettings::FirstRefusal() const {
  for (const std::string& refusal : refusals) {
    if (!refusal.empty()) return refusal;
  }
  return {};
}

TakenSettings TakeSettings(const Settings& settings, const SettingTexts& texts) {
  TakenSettings taken{settings, {}};
  for (std::size_t k = 0; k < texts.size(); ++k) {
    taken.refusals[k] = SetSetting(taken.taken, k, texts[k]).value_or(std::string());
  }
  return taken;
}

}  // namespace account
