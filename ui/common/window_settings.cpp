#include "ui/common/window_settings.h"

#include <QSettings>

#include "ui/common/utf8.h"

namespace ui {

namespace {

const QString kSheetFolderKey = QStringLiteral("sheet/folder");
const QString kDesignFolderKey = QStringLiteral("design/folder");

// Under the program's own name, whichever program (or test) reads them.
const QString kStoredName = QStringLiteral("transformer-sizer");

QString StoredKey(std::size_t k) {
  const bool planned = k < plan::kAllSettings.size();
  return (planned ? QStringLiteral("plan/") : QStringLiteral("check/")) + SettingKey(k);
}

}  // namespace

QString SettingKey(std::size_t k) { return FromUtf8(account::SettingRule(k).key); }

WindowSettings LoadSettings() {
  const QSettings stored(kStoredName, kStoredName);
  WindowSettings settings;
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    const QVariant text = stored.value(StoredKey(k));
    if (!text.isValid()) continue;
    WindowSettings read = settings;
    if (!account::SetSetting(read, k, text.toString().toStdString())) settings = read;
  }
  return settings;
}

void StoreSetting(const WindowSettings& settings, std::size_t k) {
  QSettings(kStoredName, kStoredName)
      .setValue(StoredKey(k), FromUtf8(account::SettingText(settings, k)));
}

QString LoadSheetFolder() {
  return QSettings(kStoredName, kStoredName).value(kSheetFolderKey).toString();
}

void StoreSheetFolder(const QString& folder) {
  QSettings(kStoredName, kStoredName).setValue(kSheetFolderKey, folder);
}

QString LoadDesignFolder() {
  return QSettings(kStoredName, kStoredName).value(kDesignFolderKey).toString();
}

void StoreDesignFolder(const QString& folder) {
  QSettings(kStoredName, kStoredName).setValue(kDesignFolderKey, folder);
}

}  // namespace ui
