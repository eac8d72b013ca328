#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include <QObject>
#include <QString>

#include "ui/common/winding_rows.h"
#include "ui/common/window_settings.h"

namespace ui {

/// The one owner of the desktop program's settings of the plan and its check, in memory: every
/// window reads them here. A value is stored for the next session when editing its field is
/// finished or the program closes, and only while its field holds a value taken: never a
/// refused one, nor a keystroke on the way to one.
class SettingsKeeper final : public QObject {
  Q_OBJECT

 public:
  SettingsKeeper() = default;
  SettingsKeeper(const SettingsKeeper&) = delete;
  SettingsKeeper& operator=(const SettingsKeeper&) = delete;
  /// Stores what it holds, as closing the program does.
  ~SettingsKeeper() override;

  /// The settings in force: the last value taken in every field. The stored ones are read the
  /// first time they are asked for, so that start-up never touches them.
  const WindowSettings& Taken();

  /// Why field `k` refuses its text; empty while it holds a value taken.
  const QString& RefusalOf(std::size_t k) const { return refusals_[k]; }

  /// Why the first field holding a refused text refuses it; empty when none does.
  QString Refusal() const;

  /// Takes the text of field `k` as typed, or keeps why it is refused.
  void Type(std::size_t k, const QString& text);

  /// Editing field `k` is finished: its value is stored unless the field refuses it.
  void Finish(std::size_t k);

  /// Stores every value whose field does not refuse it.
  void StoreAll();

  /// Back to the defaults in every field, stored at once.
  void RestoreDefaults();

  /// Takes every setting and the windings table of a design opened, none refused; stored as
  /// typed ones are.
  void Replace(const WindowSettings& settings, const WindingRows& rows,
               const windings::Settings& rectifier);

  /// The folder design files were last opened from or saved in; empty before the first.
  const QString& DesignFolder();

  /// Keeps the folder of a design file chosen, stored at once.
  void KeepDesignFolder(const QString& folder);

  /// The windings table as last typed: the first secondary's kind and the further rows.
  const WindingRows& Rows();

  /// Takes the windings table as typed and stores it; a row's text is kept whatever it holds.
  void SetRows(const WindingRows& rows);

  /// The rectifier settings in force: the last diode drop taken.
  const windings::Settings& Rectifier();

  /// Why the diode drop as typed is refused; empty while it holds a value taken.
  const QString& DiodeRefusal() const { return diode_refusal_; }

  /// Takes the diode drop as typed, or keeps why it is refused.
  void TypeDiode(const QString& text);

  /// Editing the diode drop is finished: it is stored unless refused.
  void FinishDiode();

 signals:
  /// The settings in force changed, or a field began or stopped refusing its text.
  void Changed();

  /// Every setting was set at once, not typed: fields that show them show them anew.
  void Replaced();

 private:
  bool loaded_ = false;
  WindowSettings taken_;
  std::array<QString, kSettingCount> refusals_;
  std::optional<QString> design_folder_;  ///< read the first time it is asked for

  bool rows_loaded_ = false;
  WindingRows rows_;
  windings::Settings rectifier_;
  QString diode_refusal_;
};

}  // namespace ui
