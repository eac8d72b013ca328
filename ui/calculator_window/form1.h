#pragma once

#include <array>

#include <QWidget>

#include "calc/calculator.h"
#include "ui/calculator_window/fault_report.h"
#include "ui/calculator_window/label_writer.h"
#include "ui/calculator_window/last_run.h"
#include "ui/calculator_window/result_marks.h"
#include "ui/calculator_window/window_menu.h"
#include "ui/common/field_marks.h"

class QLineEdit;

namespace ui {

class PlanWindow;

/// The calculator's window: nine input fields, sixteen result labels, Calculate and Exit.
class Form1 final : public QWidget {
 public:
  /// `report` tells the user about a run that faulted; tests pass one that does not block.
  explicit Form1(FaultReport report = ShowFaultBox);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Calculate();
  void OpenPlan();
  void CopyResults();
  void ShowWireHints();
  void ShowStale();
  RunView LastRun() const;

  calc::CalculatorState state_;
  std::array<QLineEdit*, 9> fields_{};
  LabelWriter::Labels results_{};
  LabelWriter writer_{results_};
  ResultMarks result_marks_{results_};
  FieldMarks marks_{fields_};
  FaultReport report_;
  RunEnd last_end_ = RunEnd::NotYet;
  std::array<QString, 9> last_inputs_;
  QString last_fault_;
  WindowActions actions_;
  PlanWindow* plan_window_ = nullptr;  ///< made when the user first opens it
};

}  // namespace ui
