#pragma once

#include <QWidget>

#include "ui/plan_window/planned_run.h"

class QComboBox;
class QLabel;

namespace ui {

/// Above the plan window's pages: the line giving Pt while the design is of all windings, the
/// plan's verdict in words, sign and colour, a line while the figures are of an earlier press,
/// and the switch of the turns the plan is made for.
class PlanHeader final : public QWidget {
  Q_OBJECT

 public:
  explicit PlanHeader(QWidget* parent);

  /// Shows the verdict and the choices of turns of `planned`.
  void Show(const PlannedRun& planned);

  /// Says that the main window's fields no longer hold what the press read.
  void ShowStale(bool stale);

 signals:
  /// The user chose the turns the plan is to be made for.
  void TurnsChosen(Turns turns);

 private:
  QLabel* power_ = nullptr;
  QLabel* verdict_ = nullptr;
  QLabel* stale_ = nullptr;
  QComboBox* turns_ = nullptr;
};

}  // namespace ui
