#pragma once

#include <vector>

#include <QWidget>

#include "account/tables.h"

#include "ui/plan_window/planned_run.h"
#include "windings/design_check.h"

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

  /// Shows the design of all windings of `outcome`, led by the line giving Pt: the plan of the
  /// turns `planned` is made for, and the secondaries as sized.
  void ShowAll(const windings::Outcome& outcome, const PlannedRun& planned);

 private:
  void ShowSummary(const std::vector<account::Line>& lines);

  QLabel* power_ = nullptr;
  QTableWidget* secondaries_ = nullptr;
  QFormLayout* summary_ = nullptr;
  QTableWidget* windings_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace ui
