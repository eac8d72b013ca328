#pragma once

#include <array>

#include <QString>

#include "calc/calculator.h"
#include "calc/result_labels.h"

namespace ui {

/// How the window's last Calculate ended.
enum class RunEnd { NotYet, Faulted, NotFit, Fit };

/// The window's last run as its plan, its copied text and its winding sheet show it.
struct RunView {
  RunEnd end = RunEnd::NotYet;
  const calc::CalculatorState* record = nullptr;  ///< the window's, after that run
  std::array<QString, 9> inputs;  ///< the texts the run read (the fields before one)
  /// What Label26 … Label41 show; after a fault only what the run wrote, the rest empty.
  std::array<QString, calc::kResultLabelCount> results;
  QString fault;  ///< "Ошибка 6: …" when the run stopped with a fault
};

}  // namespace ui
