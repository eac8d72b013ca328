#pragma once

#include <QWidget>

#include "ui/plan_window/planned_run.h"
#include "windings/design_check.h"

class QLabel;
class QTableWidget;

namespace ui {

/// The page «Проверка»: what each design's flags mean at the bench, and the check of the run's
/// turns and the refined ones side by side; why there is none when there is none.
class CheckPage final : public QWidget {
  Q_OBJECT

 public:
  explicit CheckPage(QWidget* parent);

  /// Shows the check of `planned`.
  void Show(const PlannedRun& planned);

  /// Shows the check of all windings of `outcome`, as sized and refined, under `settings`.
  void ShowAll(const windings::Outcome& outcome, const check::Settings& settings);

 private:
  QLabel* verdicts_ = nullptr;
  QTableWidget* check_ = nullptr;
  QTableWidget* refined_ = nullptr;
};

}  // namespace ui
