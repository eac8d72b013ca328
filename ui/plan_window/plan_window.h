#pragma once

#include <QWidget>

#include "ui/calculator_window/last_run.h"
#include "ui/plan_window/planned_run.h"

class QAction;
class QFormLayout;
class QLabel;
class QTableWidget;

namespace ui {

class PlanSettingsForm;
class WindingDrawing;

/// «План намотки»: the plan of the main window's last run with its settings, the drawing to
/// scale, and saving it as PDF, printing and copying it.
class PlanWindow final : public QWidget {
  Q_OBJECT

 public:
  /// A window of its own that stays with `main`, the calculator's window.
  explicit PlanWindow(QWidget* main);

  /// Shows the plan of `run` under the current settings.
  void Follow(const RunView& run);

  const PlannedRun& Planned() const { return planned_; }

  /// Writes the winding sheet to `path`; tells the user and returns false when it cannot.
  bool SavePdf(const QString& path);

 signals:
  /// A setting changed and the plan with it.
  void SettingsChanged();

 private:
  QWidget* MakeFigures();
  QWidget* MakeButtons();
  void ShowPlan();
  void ShowVerdict();
  void ShowSummary();
  void ShowWindings();
  void AskAndSavePdf();
  void Print();
  void CopyPlan();

  PlannedRun planned_;
  PlanSettingsForm* settings_ = nullptr;
  QLabel* verdict_ = nullptr;
  QFormLayout* summary_ = nullptr;
  QTableWidget* windings_ = nullptr;
  QLabel* note_ = nullptr;
  WindingDrawing* drawing_ = nullptr;
  QAction* save_ = nullptr;
  QAction* print_ = nullptr;
  QAction* copy_ = nullptr;
};

}  // namespace ui
