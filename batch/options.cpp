#include "batch/options.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace batch {

namespace {

// The settings kinds whose options the tool takes, and the columns each needs.
enum class Kind { Plan, Check, Rectifier };

struct SettingOption {
  Kind kind;
  std::size_t index;  // into the kind's rule table
};

std::optional<SettingOption> FindSettingOption(std::string_view name) {
  if (name.size() <= 2) return std::nullopt;
  for (std::size_t i = 0; i < plan::kSettingRules.size(); ++i) {
    if (plan::kSettingRules[i].option == name) return SettingOption{Kind::Plan, i};
  }
  for (std::size_t i = 0; i < check::kSettingRules.size(); ++i) {
    if (check::kSettingRules[i].option == name) return SettingOption{Kind::Check, i};
  }
  for (std::size_t i = 0; i < windings::kSettingRules.size(); ++i) {
    if (windings::kSettingRules[i].option == name) return SettingOption{Kind::Rectifier, i};
  }
  return std::nullopt;
}

const values::SettingRule& RuleOf(SettingOption option) {
  switch (option.kind) {
    case Kind::Plan:
      return plan::kSettingRules[option.index];
    case Kind::Check:
      return check::kSettingRules[option.index];
    case Kind::Rectifier:
      break;
  }
  return windings::kSettingRules[option.index];
}

// «Падение» → «падение»: a name that follows the option inside a sentence. Capital Cyrillic
// А … Я are D0 90 … D0 AF; their small letters D0 B0 … D0 BF and D1 80 … D1 8F.
std::string LowerFirst(std::string_view name) {
  std::string text(name);
  if (text.size() < 2 || static_cast<unsigned char>(text[0]) != 0xD0) return text;
  const auto second = static_cast<unsigned char>(text[1]);
  if (second >= 0x90 && second <= 0x9F) text[1] = static_cast<char>(second + 0x20);
  if (second >= 0xA0 && second <= 0xAF) {
    text[0] = static_cast<char>(0xD1);
    text[1] = static_cast<char>(second - 0x20);
  }
  return text;
}

std::string_view OptionName(SettingOption option) { return RuleOf(option).option; }

std::optional<std::string> Store(SettingOption option, std::string_view value, Columns& columns) {
  switch (option.kind) {
    case Kind::Plan:
      return plan::SetFromText(columns.plan_settings, plan::kAllSettings[option.index], value);
    case Kind::Check:
      return check::SetFromText(columns.check_settings, check::kAllSettings[option.index], value);
    case Kind::Rectifier:
      break;
  }
  if (!windings::SetFromText(columns.rectifier, windings::kAllSettings[option.index], value)) {
    return std::nullopt;
  }
  // The value is echoed as given, even when it is empty.
  const values::SettingRule& rule = RuleOf(option);
  return LowerFirst(rule.name) + " " + std::string(rule.must) + " быть " +
         std::string(rule.bounds) + ", а не «" + std::string(value) + "»";
}

// A setting given without the columns it changes would change nothing; say so.
std::optional<std::string> Unused(std::optional<SettingOption> first_plan,
                                  std::optional<SettingOption> first_check,
                                  std::optional<SettingOption> first_rectifier,
                                  const Columns& columns) {
  if (first_plan && !columns.plan && !columns.check) {
    return "параметр " + std::string(OptionName(*first_plan)) +
           " действует только вместе с --plan или --check; см. --help";
  }
  if (first_check && !columns.check) {
    return "параметр " + std::string(OptionName(*first_check)) +
           " действует только вместе с --check; см. --help";
  }
  if (columns.secondaries && !columns.json) {
    return "параметр --secondaries действует только вместе с --json; см. --help";
  }
  if (first_rectifier && !(columns.check && columns.secondaries)) {
    return "параметр " + std::string(OptionName(*first_rectifier)) +
           " действует только вместе с --check и --secondaries; см. --help";
  }
  return std::nullopt;
}

}  // namespace

std::variant<Options, std::string> ParseOptions(std::span<const char* const> args) {
  Options options;
  std::optional<SettingOption> first_plan;
  std::optional<SettingOption> first_check;
  std::optional<SettingOption> first_rectifier;
  bool options_end = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string_view a(args[k]);
    const std::size_t equals = a.find('=');
    const std::optional<SettingOption> setting =
        a.starts_with("--") ? FindSettingOption(a.substr(0, equals)) : std::nullopt;
    if (options_end || a == "-" || !a.starts_with('-')) {
      options.paths.push_back(args[k]);
    } else if (a == "--") {
      options_end = true;
    } else if (a == "--help" || a == "-h") {
      options.help = true;
    } else if (a == "--version") {
      options.version = true;
    } else if (a == "--header") {
      options.header = true;
    } else if (a == "--decimal-comma") {
      options.decimal_comma = true;
    } else if (a == "--notes") {
      options.columns.notes = true;
    } else if (a == "--plan") {
      options.columns.plan = true;
    } else if (a == "--check") {
      options.columns.check = true;
    } else if (a == "--json") {
      options.columns.json = true;
    } else if (a == "--secondaries") {
      options.columns.secondaries = true;
    } else if (setting) {
      const std::string name(OptionName(*setting));
      std::optional<std::string_view> value;
      if (equals != std::string_view::npos) {
        value = a.substr(equals + 1);
      } else if (k + 1 < args.size()) {
        value = args[++k];
      }
      // A setting that may be left empty is left so by omitting its option.
      if (!value || (!RuleOf(*setting).blank.empty() && values::IsBlank(*value))) {
        return "параметру " + name + " нужно значение; см. --help";
      }
      if (auto refusal = Store(*setting, *value, options.columns)) return name + ": " + *refusal;
      std::optional<SettingOption>& first = setting->kind == Kind::Plan    ? first_plan
                                            : setting->kind == Kind::Check ? first_check
                                                                           : first_rectifier;
      if (!first) first = setting;
    } else {
      return "неизвестный параметр «" + std::string(a) + "»; см. --help";
    }
  }
  // Help and version answer whatever else is given.
  if (!options.help && !options.version) {
    if (auto refusal = Unused(first_plan, first_check, first_rectifier, options.columns)) {
      return *refusal;
    }
  }
  return options;
}

}  // namespace batch
