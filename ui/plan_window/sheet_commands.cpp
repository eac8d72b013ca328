// The plan window's buttons and what they do: the winding sheet saved as PDF, printed, and the
// plan copied as text.
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "ui/common/qt_translations.h"
#include "ui/common/window_command.h"
#include "ui/common/window_settings.h"
#include "ui/plan_window/copied_plan.h"
#include "ui/plan_window/plan_window.h"
#include "ui/plan_window/winding_sheet.h"

namespace ui {

namespace {

// A button and its command with a shortcut for the whole window: the command acts at once,
// where a button's own shortcut would wait for its click to be drawn.
QAction* AddCommand(QWidget& window, QHBoxLayout& row, const QString& text, const QString& name,
                    const QKeySequence& keys) {
  QAction* action = AddWindowCommand(window, text, name, keys);
  auto* button = new QPushButton(text, row.parentWidget());
  button->setObjectName(name);
  button->setAccessibleName(QString(text).remove(QStringLiteral("…")));
  button->setToolTip(keys.toString(QKeySequence::NativeText));
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
  QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
  row.addWidget(button);
  return action;
}

}  // namespace

void PlanWindow::MakeCommands() {
  auto* buttons = new QWidget(this);
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  save_ = AddCommand(*this, *row, QStringLiteral("Сохранить PDF…"), QStringLiteral("savePdf"),
                     QKeySequence::Save);
  print_ = AddCommand(*this, *row, QStringLiteral("Печать…"), QStringLiteral("print"),
                      QKeySequence::Print);
  copy_ = AddCommand(*this, *row, QStringLiteral("Копировать"), QStringLiteral("copyPlan"),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  row->addStretch(1);
  QAction* close = AddCommand(*this, *row, QStringLiteral("Закрыть"), QStringLiteral("close"),
                              QKeySequence(Qt::Key_Escape));
  connect(save_, &QAction::triggered, this, &PlanWindow::AskAndSavePdf);
  connect(print_, &QAction::triggered, this, &PlanWindow::Print);
  connect(copy_, &QAction::triggered, this, &PlanWindow::CopyPlan);
  connect(close, &QAction::triggered, this, &QWidget::close);
  layout()->addWidget(buttons);
}

bool PlanWindow::SavePdf(const QString& path) {
  if (WriteSheetPdf(path, shown_, {.title = design_title_})) return true;
  QMessageBox::warning(this, windowTitle(),
                       QStringLiteral("Не удалось записать файл «%1». Проверьте, что папка есть "
                                      "и в нее можно писать.")
                           .arg(path));
  return false;
}

void PlanWindow::AskAndSavePdf() {
  UseRussianQtTexts();
  QFileDialog dialog(this, QStringLiteral("Сохранить план намотки в PDF"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  const QString folder = LoadSheetFolder();
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  dialog.selectFile(QStringLiteral("План намотки.pdf"));
  if (dialog.exec() != QDialog::Accepted) return;
  const QString path = dialog.selectedFiles().constFirst();
  if (SavePdf(path)) StoreSheetFolder(QFileInfo(path).absolutePath());
}

void PlanWindow::Print() {
  UseRussianQtTexts();
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("Печать плана намотки"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintSheet(printer, shown_, {.title = design_title_})) {
    QMessageBox::warning(this, windowTitle(), QStringLiteral("Не удалось начать печать."));
  }
}

void PlanWindow::CopyPlan() { QGuiApplication::clipboard()->setText(PlanText(shown_)); }

}  // namespace ui
