#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include <QString>

#include "check/settings.h"
#include "plan/settings.h"
#include "values/setting_rule.h"

namespace ui {

/// The settings of the plan and its check, as the plan window takes them and stores them.
struct WindowSettings {
  plan::Settings plan;
  check::Settings check;

  friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

/// How many settings there are: the plan's, then the check's, in the order of their rule tables.
inline constexpr std::size_t kSettingCount = plan::kAllSettings.size() + check::kAllSettings.size();

/// The rule of setting `k`: name, unit, default and bounds.
const values::SettingRule& SettingRule(std::size_t k);

/// Whether setting `k` is the plan's enamel grade, chosen from a list rather than typed.
bool IsGrade(std::size_t k);

/// The name a setting's field and its stored value go by: "bobbin", "steelLoss".
QString SettingKey(std::size_t k);

/// The setting's caption with its unit: «Толщина каркаса, мм».
QString SettingCaption(std::size_t k);

/// The value as the user types it: "1", "0.05"; empty for an own wire that is not set.
QString SettingText(const WindowSettings& settings, std::size_t k);

/// Stores setting `k` read from `text`; on refusal returns the Russian reason and changes nothing.
std::optional<QString> SetSetting(WindowSettings& settings, std::size_t k, const QString& text);

/// The settings the user last accepted, from the platform's usual place; a value missing or no
/// longer accepted there reads as its default.
WindowSettings LoadSettings();

/// Keeps `settings` for the next session.
void StoreSettings(const WindowSettings& settings);

/// The folder the last PDF was saved in; empty before the first.
QString LoadSheetFolder();

/// Keeps the folder of a PDF just saved.
void StoreSheetFolder(const QString& folder);

}  // namespace ui
