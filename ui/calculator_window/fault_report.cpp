#include "ui/calculator_window/fault_report.h"

#include <QMessageBox>

#include "account/control_table.h"
#include "calc/note_words.h"
#include "ui/common/utf8.h"

namespace ui {

QString FaultMessage(const values::Fault& fault) { return FromUtf8(calc::FaultMessage(fault)); }

void ShowFaultBox(QWidget* window, const QString& message, const QString& explanation) {
  QMessageBox box(QMessageBox::Warning, FromUtf8(account::kWindowTitle), message, QMessageBox::Ok,
                  window);
  box.setInformativeText(explanation);
  box.exec();
}

}  // namespace ui
