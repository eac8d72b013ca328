#include "ui/calculator_window/fault_report.h"

#include <QMessageBox>

#include "calc/note_words.h"
#include "ui/calculator_window/control_table.h"
#include "ui/common/utf8.h"

namespace ui {

QString FaultMessage(const values::Fault& fault) { return FromUtf8(calc::FaultMessage(fault)); }

void ShowFaultBox(QWidget* window, const QString& message, const QString& explanation) {
  QMessageBox box(QMessageBox::Warning, FromUtf8(kWindowTitle), message, QMessageBox::Ok, window);
  box.setInformativeText(explanation);
  box.exec();
}

}  // namespace ui
