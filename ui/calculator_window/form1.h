#pragma once

#include <array>

#include <QWidget>

#include "account/planned.h"
#include "account/press.h"
#include "design_file/design.h"
#include "ui/calculator_window/design_dialog.h"
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
  /// `report` tells the user about a run that faulted or a file refused, `dialog` asks for a
  /// design file; tests pass ones that do not block.
  explicit Form1(FaultReport report = ShowFaultBox, DesignDialog dialog = AskDesignFile);
  /// Closes the plan window first: it keeps its settings until the keeper stores them.
  ~Form1() override;

  /// Puts the design in the file at `path` into the fields and the settings, as typed and
  /// without calculating; a file refused is reported and changes nothing. True when opened.
  bool OpenDesign(const QString& path);

  /// Saves the fields as typed and the settings in force in the file at `path`; reported when
  /// it cannot be written. True when saved.
  bool SaveDesign(const QString& path);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void LinkTurns(QWidget* last_in_ring);
  void Calculate();
  void OpenPlan();
  void CopyResults();
  void AskAndOpenDesign();
  void AskAndSaveDesign();
  void ShowDesignTitle();
  void ShowResults(const account::Press& press);
  void ShowHints();
  QString AllWindingsNote();
  void ShowStale();
  account::Press LastPress() const;

  account::Calculator calculator_;
  calc::CalculatorState before_;  ///< the record before the last press, for all windings
  std::array<QLineEdit*, 9> fields_{};
  ResultMarks::Labels results_{};
  ResultMarks result_marks_{results_};
  FieldMarks marks_{fields_};
  FaultReport report_;
  DesignDialog dialog_;
  /// The design opened or saved last: its title, and what the window does not show but saves
  /// again as it was.
  design_file::Design design_;
  std::array<QString, 9> last_inputs_;
  SettingsKeeper keeper_;
  account::Planned planned_;  ///< the last press's plan of its own turns, for the hints
  WindowActions actions_;
  PlanWindow* plan_window_ = nullptr;  ///< made when the user first opens it
};

}  // namespace ui
