#pragma once

#include <span>
#include <string>

#include "values/setting_rule.h"

namespace batch {

/// The text of --help, the settings' lines read from their rule tables.
std::string HelpText();

/// Appends one line per option of `rules`: the option, what it takes, the meaning, the default.
void AppendSettingLines(std::span<const values::SettingRule> rules, std::string& out);

}  // namespace batch
