#pragma once

#include <QWidget>

#include "account/press.h"
#include "calc/calculator.h"
#include "ui/common/settings_keeper.h"
#include "ui/plan_window/planned_run.h"
#include "windings/design_check.h"

class QAction;

namespace ui {

class CheckPage;
class PlanHeader;
class PlanPage;
class WindingDrawing;
class WindingsPage;

/// «План намотки и проверка»: the plan of the main window's last press, for its turns or the
/// check's refined ones, the check of both beside it, their settings, the drawing to scale, and
/// saving it all as PDF, printing and copying it.
class PlanWindow final : public QWidget {
  Q_OBJECT

 public:
  /// A window of its own that stays with `main`, the calculator's window, under the settings
  /// `keeper` holds; `keeper` outlives the window.
  PlanWindow(SettingsKeeper& keeper, QWidget* main);

  /// Shows the plan and check of `press` under the settings in force; `before`, the record as
  /// it stood before the press, is what a design of all windings is sized on.
  void Follow(const account::Press& press,
              const calc::CalculatorState& before = calc::CalculatorState{});

  /// Makes the plan, drawing, sheet and copy follow `turns` when there are such, else the run's.
  void ShowTurns(Turns turns);

  /// Marks the figures as those of an earlier press while the main window's fields no longer
  /// hold what it read.
  void ShowStale(bool stale);

  /// The design the header, drawing, sheet and copy show: the press's, or while the windings
  /// table asks for them after a press, that of all windings.
  const PlannedRun& Planned() const { return shown_; }

  /// The title of the main window's design, empty when it has none: in the caption and on the
  /// sheet.
  void ShowDesignTitle(const QString& title);

  /// The design of all windings; read only while AllWindings().
  const windings::Outcome& Outcome() const { return outcome_; }

  /// Whether the windings table asks for all windings, so that the figures follow them.
  bool AllWindings() const { return all_; }

  /// Writes the winding sheet to `path`; tells the user and returns false when it cannot.
  bool SavePdf(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* MakeFigures();
  void MakeCommands();
  void Recompute();
  void EvaluateAll();
  QString Refusal() const;
  void ShowPlan();
  void AskAndSavePdf();
  void Print();
  void CopyPlan();

  SettingsKeeper& keeper_;
  PlannedRun planned_;
  PlannedRun shown_;
  calc::CalculatorState before_;
  windings::Outcome outcome_;
  bool all_ = false;
  Turns preferred_ = Turns::Refined;
  QString design_title_;
  PlanHeader* header_ = nullptr;
  PlanPage* plan_page_ = nullptr;
  CheckPage* check_page_ = nullptr;
  WindingsPage* windings_page_ = nullptr;
  QWidget* pages_ = nullptr;
  WindingDrawing* drawing_ = nullptr;
  QAction* save_ = nullptr;
  QAction* print_ = nullptr;
  QAction* copy_ = nullptr;
};

}  // namespace ui
