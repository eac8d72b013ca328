#pragma once

#include <QWidget>

#include "ui/calculator_window/last_run.h"
#include "ui/plan_window/planned_run.h"

class QAction;
class QComboBox;
class QFormLayout;
class QLabel;
class QTableWidget;

namespace ui {

class PlanSettingsForm;
class WindingDrawing;

/// «План намотки и проверка»: the plan of the main window's last run, for its turns or the
/// check's refined ones, the check of both beside it, their settings, the drawing to scale, and
/// saving it all as PDF, printing and copying it.
class PlanWindow final : public QWidget {
  Q_OBJECT

 public:
  /// A window of its own that stays with `main`, the calculator's window.
  explicit PlanWindow(QWidget* main);

  /// Shows the plan and check of `run` under the current settings.
  void Follow(const RunView& run);

  /// Makes the plan, drawing, sheet and copy follow `turns` when there are such, else the run's.
  void ShowTurns(Turns turns);

  const PlannedRun& Planned() const { return planned_; }

  /// Writes the winding sheet to `path`; tells the user and returns false when it cannot.
  bool SavePdf(const QString& path);

 signals:
  /// A setting was accepted, or a field began or stopped refusing its value; the plan and
  /// check followed.
  void SettingsChanged();

 private:
  QWidget* MakeFigures();
  QWidget* MakeTurnsRow();
  QWidget* MakePlanPage();
  QWidget* MakeCheckPage();
  QWidget* MakeButtons();
  void Recompute();
  void ShowAccepted();
  void ShowPlan();
  void ShowVerdict();
  void ShowTurnsChoice();
  void ShowSummary();
  void ShowWindings();
  void ShowCheck();
  void AskAndSavePdf();
  void Print();
  void CopyPlan();

  PlannedRun planned_;
  Turns preferred_ = Turns::Refined;
  PlanSettingsForm* settings_ = nullptr;
  QLabel* verdict_ = nullptr;
  QComboBox* turns_ = nullptr;
  QFormLayout* summary_ = nullptr;
  QTableWidget* windings_ = nullptr;
  QTableWidget* check_ = nullptr;
  QLabel* check_verdicts_ = nullptr;
  QLabel* note_ = nullptr;
  WindingDrawing* drawing_ = nullptr;
  QAction* save_ = nullptr;
  QAction* print_ = nullptr;
  QAction* copy_ = nullptr;
};

}  // namespace ui
