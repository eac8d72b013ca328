#include "batch/options.h"

#include <array>
#include <string_view>

namespace batch {

namespace {

struct SettingOption {
  std::string_view name;
  plan::Setting setting;
};

constexpr std::array<SettingOption, 5> kSettingOptions{{
    {"--grade", plan::Setting::Grade},
    {"--bobbin", plan::Setting::Bobbin},
    {"--interlayer", plan::Setting::Interlayer},
    {"--between", plan::Setting::Between},
    {"--wrap", plan::Setting::Wrap},
}};

const SettingOption* FindSettingOption(std::string_view name) {
  for (const SettingOption& option : kSettingOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

}  // namespace

std::variant<Options, std::string> ParseOptions(std::span<const char* const> args) {
  Options options;
  plan::Settings settings;
  bool with_plan = false;
  bool options_end = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string_view a(args[k]);
    const std::size_t equals = a.find('=');
    const SettingOption* setting =
        a.starts_with("--") ? FindSettingOption(a.substr(0, equals)) : nullptr;
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
    } else if (a == "--notes") {
      options.columns.notes = true;
    } else if (a == "--plan") {
      with_plan = true;
    } else if (setting != nullptr) {
      std::string_view value;
      if (equals != std::string_view::npos) {
        value = a.substr(equals + 1);
      } else if (k + 1 < args.size()) {
        value = args[++k];
      } else {
        return "параметру " + std::string(setting->name) + " нужно значение; см. --help";
      }
      if (auto refusal = plan::SetFromText(settings, setting->setting, value)) {
        return std::string(setting->name) + ": " + *refusal;
      }
    } else {
      return "неизвестный параметр «" + std::string(a) + "»; см. --help";
    }
  }
  if (with_plan) options.columns.plan = settings;
  return options;
}

}  // namespace batch
