#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "design_file/design.h"
#include "values/setting_rule.h"

namespace design_file {

/// Where a design keeps a setting: the plan's, the check's, or the rectifier windings'.
enum class Holder { Plan, Check, Rectifier };

/// One setting of a design file, named by its rule's key.
struct FileSetting {
  Holder holder;
  std::size_t index;  ///< into the holder's rule table
};

/// Every setting a file names, in the order it writes them: the plan's, the check's, the
/// rectifiers'.
std::span<const FileSetting> FileSettings();

/// The setting named `key`, if a file has one.
std::optional<FileSetting> FindFileSetting(std::string_view key);

const values::SettingRule& RuleOf(FileSetting setting);

/// The value a design holds; none when the setting is unset.
std::optional<double> ValueOf(const Design& design, FileSetting setting);

/// Stores a value, none to unset; on refusal returns the rule's Russian reason and changes
/// nothing.
std::optional<std::string> Store(Design& design, FileSetting setting, std::optional<double> value);

}  // namespace design_file
