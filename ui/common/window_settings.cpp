#include "ui/common/window_settings.h"

#include <charconv>
#include <iterator>
#include <system_error>

#include <QSettings>

#include "ui/common/utf8.h"

namespace ui {

namespace {

constexpr std::size_t kPlanCount = plan::kAllSettings.size();

const QString kSheetFolderKey = QStringLiteral("sheet/folder");

// Under the program's own name, whichever program (or test) reads them.
const QString kStoredName = QStringLiteral("transformer-sizer");

QString StoredKey(std::size_t k) {
  return (k < kPlanCount ? QStringLiteral("plan/") : QStringLiteral("check/")) + SettingKey(k);
}

std::optional<double> Value(const WindowSettings& settings, std::size_t k) {
  if (k < kPlanCount) return plan::SettingValue(settings.plan, plan::kAllSettings[k]);
  return check::SettingValue(settings.check, check::kAllSettings[k - kPlanCount]);
}

}  // namespace

const values::SettingRule& SettingRule(std::size_t k) {
  if (k < kPlanCount) return plan::RuleOf(plan::kAllSettings[k]);
  return check::RuleOf(check::kAllSettings[k - kPlanCount]);
}

bool IsGrade(std::size_t k) {
  return k < kPlanCount && plan::kAllSettings[k] == plan::Setting::Grade;
}

QString SettingKey(std::size_t k) { return FromUtf8(SettingRule(k).key); }

QString SettingCaption(std::size_t k) {
  const values::SettingRule& rule = SettingRule(k);
  QString caption = FromUtf8(rule.name);
  if (!rule.unit.empty()) caption += QStringLiteral(", ") + FromUtf8(rule.unit);
  return caption;
}

QString SettingText(const WindowSettings& settings, std::size_t k) {
  const std::optional<double> value = Value(settings, k);
  if (!value) return {};
  // Any double fits: 309 whole digits, or "0." and 324 decimals, and a sign.
  char text[330];
  const auto [end, error] =
      std::to_chars(std::begin(text), std::end(text), *value, std::chars_format::fixed);
  if (error != std::errc{}) return QStringLiteral("—");
  return QString::fromLatin1(text, end - text);
}

std::optional<QString> SetSetting(WindowSettings& settings, std::size_t k, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const std::string_view typed(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  const std::optional<std::string> refusal =
      k < kPlanCount
          ? plan::SetFromText(settings.plan, plan::kAllSettings[k], typed)
          : check::SetFromText(settings.check, check::kAllSettings[k - kPlanCount], typed);
  if (!refusal) return std::nullopt;
  return QString::fromStdString(*refusal);
}

WindowSettings LoadSettings() {
  const QSettings stored(kStoredName, kStoredName);
  WindowSettings settings;
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    const QVariant text = stored.value(StoredKey(k));
    if (!text.isValid()) continue;
    WindowSettings read = settings;
    if (!SetSetting(read, k, text.toString())) settings = read;
  }
  return settings;
}

void StoreSettings(const WindowSettings& settings) {
  QSettings stored(kStoredName, kStoredName);
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    stored.setValue(StoredKey(k), SettingText(settings, k));
  }
}

QString LoadSheetFolder() {
  return QSettings(kStoredName, kStoredName).value(kSheetFolderKey).toString();
}

void StoreSheetFolder(const QString& folder) {
  QSettings(kStoredName, kStoredName).setValue(kSheetFolderKey, folder);
}

}  // namespace ui
