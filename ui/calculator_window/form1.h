#pragma once

#include <array>

#include <QWidget>

#include "account/planned.h"
#include "account/press.h"
#include "ui/calculator_window/fault_report.h"
#include "ui/calculator_window/result_marks.h"
#include "ui/calculator_window/window_menu.h"
#include "ui/common/field_marks.h"
#include "ui/common/settings_keeper.h"

class QLineEdit;

namespace ui {

class PlanWindow;

/// The calculator's window: nine input fields, sixteen result labels, Calculate and Exit.
class Form1 final : public QWidget {
 public:
  /// `report` tells the user about a run that faulted; tests pass one that does not block.
  explicit Form1(FaultReport report = ShowFaultBox);
  /// Closes the plan window first: it keeps its settings until the keeper stores them.
  ~Form1() override;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void LinkTurns(QWidget* last_in_ring);
  void Calculate();
  void OpenPlan();
  void CopyResults();
  void ShowResults(const account::Press& press);
  void ShowHints();
  void ShowStale();
  account::Press LastPress() const;

  account::Calculator calculator_;
  std::array<QLineEdit*, 9> fields_{};
  ResultMarks::Labels results_{};
  ResultMarks result_marks_{results_};
  FieldMarks marks_{fields_};
  FaultReport report_;
  std::array<QString, 9> last_inputs_;
  SettingsKeeper keeper_;
  account::Planned planned_;  ///< the last press's plan of its own turns, for the hints
  WindowActions actions_;
  PlanWindow* plan_window_ = nullptr;  ///< made when the user first opens it
};

}  // namespace ui
