#pragma once

#include <cstddef>

#include <QString>

#include "account/settings.h"

namespace ui {

/// The settings of the plan and its check, as the windows take them and store them.
using WindowSettings = account::Settings;

/// How many settings there are: the plan's, then the check's.
using account::kSettingCount;

/// The name a setting's field and its stored value go by: "bobbin", "steelLoss".
QString SettingKey(std::size_t k);

/// The settings the user last kept, from the platform's usual place; a value missing or no
/// longer accepted there reads as its default.
WindowSettings LoadSettings();

/// Keeps setting `k` of `settings` for the next session.
void StoreSetting(const WindowSettings& settings, std::size_t k);

/// The folder the last PDF was saved in; empty before the first.
QString LoadSheetFolder();

/// Keeps the folder of a PDF just saved.
void StoreSheetFolder(const QString& folder);

/// The folder of the design file last opened or saved; empty before the first.
QString LoadDesignFolder();

/// Keeps the folder of a design file.
void StoreDesignFolder(const QString& folder);

}  // namespace ui
