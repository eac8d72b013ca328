#pragma once

#include <QWidget>

#include "ui/plan_window/planned_run.h"

class QFormLayout;
class QLabel;
class QTableWidget;

namespace ui {

/// The page «План намотки»: fill, depth and the ring's hole left, a column of figures for each
/// winding, and what the figures include.
class PlanPage final : public QWidget {
  Q_OBJECT

 public:
  explicit PlanPage(QWidget* parent);

  /// Shows the plan of `planned`; nothing while it has none.
  void Show(const PlannedRun& planned);

 private:
  QFormLayout* summary_ = nullptr;
  QTableWidget* windings_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace ui
