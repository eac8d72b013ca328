#pragma once

#include <QWidget>

#include "account/press.h"
#include "ui/common/settings_keeper.h"
#include "windings/design_check.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace ui {

/// The page «Обмотки»: the described secondary, its U and I mirrored from the main window and
/// its kind chosen here, and up to seven further secondaries of U, I and kind, each removable;
/// a cell out of bounds is marked and the design says why it is not made.
class WindingsPage final : public QWidget {
  Q_OBJECT

 public:
  /// The table as `keeper` holds it; `keeper` outlives the page.
  WindingsPage(SettingsKeeper& keeper, QWidget* parent);

  /// Mirrors the described secondary's U and I as `press` read them, and marks what `outcome`
  /// leaves out; `outcome` is read only while the table asks for all windings.
  void Show(const account::Press& press, const windings::Outcome& outcome);

 private:
  void Rebuild();
  void AddRow();
  void RemoveRow(int row);
  void SetKind(int row, int index);
  void SetText(int row, int column, const QString& text);
  void ShowCaptions();
  void ShowMarks();

  SettingsKeeper& keeper_;
  QTableWidget* table_ = nullptr;
  QPushButton* add_ = nullptr;
  QLabel* reason_ = nullptr;
  account::Press press_;
  const windings::Outcome* outcome_ = nullptr;
};

}  // namespace ui
