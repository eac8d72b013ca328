#pragma once

#include <array>

#include <QWidget>

#include "calc/calculator.h"
#include "ui/fault_report.h"
#include "ui/field_marks.h"
#include "ui/label_writer.h"

class QLineEdit;

namespace ui {

/// The calculator's window: nine input fields, sixteen result labels, Calculate and Exit.
class Form1 final : public QWidget {
 public:
  /// `report` tells the user about a run that faulted; tests pass one that does not block.
  explicit Form1(FaultReport report = ShowFaultBox);

 private:
  void Calculate();

  calc::CalculatorState state_;
  std::array<QLineEdit*, 9> fields_{};
  LabelWriter::Labels results_{};
  LabelWriter writer_{results_};
  FieldMarks marks_{fields_};
  FaultReport report_;
};

}  // namespace ui
