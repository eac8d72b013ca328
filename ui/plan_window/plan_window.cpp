#include "ui/plan_window/plan_window.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/common/qt_translations.h"
#include "ui/common/theme_tint.h"
#include "ui/common/utf8.h"
#include "ui/common/window_command.h"
#include "ui/plan_window/copied_plan.h"
#include "ui/plan_window/plan_rows.h"
#include "ui/plan_window/plan_settings_form.h"
#include "ui/plan_window/winding_drawing.h"
#include "ui/plan_window/winding_sheet.h"

namespace ui {

namespace {

constexpr QSize kDefaultSize(1020, 680);  // within a 1366 × 768 screen with its panels
constexpr int kFiguresWidth = 500;

// The summary's rows: fill, depth, and the ring's hole that stays.
constexpr int kSummaryRows = 3;
constexpr std::array<const char*, kSummaryRows> kSummaryNames = {"fill", "depth", "holeLeft"};

QColor VerdictHue(const PlannedRun& planned) {
  if (!planned.HasPlan()) return {128, 128, 128};
  switch (planned.plan.verdict) {
    case plan::Verdict::Fits:
      return {0, 170, 0};
    case plan::Verdict::Tight:
      return {240, 160, 0};
    default:
      return {220, 0, 0};
  }
}

// A sign before the words, so the verdict does not rest on its colour.
QString VerdictSign(const PlannedRun& planned) {
  if (!planned.HasPlan()) return QStringLiteral("ⓘ");
  switch (planned.plan.verdict) {
    case plan::Verdict::Fits:
      return QStringLiteral("✔");
    case plan::Verdict::Tight:
      return QStringLiteral("⚠");
    default:
      return QStringLiteral("✖");
  }
}

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

PlanWindow::PlanWindow(QWidget* main) : QWidget(main, Qt::Window) {
  setObjectName(QStringLiteral("PlanWindow"));
  setWindowTitle(QStringLiteral("План намотки"));
  setAccessibleName(windowTitle());
  resize(kDefaultSize);

  settings_ = new PlanSettingsForm(this);
  drawing_ = new WindingDrawing(this);
  auto* columns = new QHBoxLayout;
  columns->addWidget(MakeFigures());
  columns->addWidget(drawing_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addWidget(MakeButtons());

  connect(settings_, &PlanSettingsForm::Changed, this, [this] {
    Replan(planned_, settings_->Settings());
    ShowPlan();
    emit SettingsChanged();
  });
  ShowPlan();
}

QWidget* PlanWindow::MakeFigures() {
  auto* figures = new QWidget(this);
  figures->setFixedWidth(kFiguresWidth);
  auto* column = new QVBoxLayout(figures);
  column->setContentsMargins(0, 0, 0, 0);

  verdict_ = new QLabel(figures);
  verdict_->setObjectName(QStringLiteral("verdict"));
  verdict_->setAccessibleName(QStringLiteral("Вывод плана намотки"));
  verdict_->setWordWrap(true);
  verdict_->setTextFormat(Qt::PlainText);
  verdict_->setAutoFillBackground(true);
  verdict_->setMargin(6);
  QFont bold = verdict_->font();
  bold.setBold(true);
  verdict_->setFont(bold);
  column->addWidget(verdict_);

  summary_ = new QFormLayout;
  for (const char* name : kSummaryNames) {
    auto* value = new QLabel(figures);
    value->setObjectName(QString::fromLatin1(name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->addRow(new QLabel(figures), value);
  }
  column->addLayout(summary_);

  windings_ = new QTableWidget(figures);
  windings_->setObjectName(QStringLiteral("windings"));
  windings_->setAccessibleName(QStringLiteral("Обмотки"));
  windings_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  windings_->setColumnCount(static_cast<int>(kWindingHeadings.size()));
  windings_->setHorizontalHeaderLabels({kWindingHeadings[0], kWindingHeadings[1]});
  windings_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  windings_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  column->addWidget(windings_, 1);

  note_ = new QLabel(figures);
  note_->setObjectName(QStringLiteral("note"));
  note_->setAccessibleName(QStringLiteral("Примечание к плану"));
  note_->setWordWrap(true);
  column->addWidget(note_);
  column->addWidget(settings_);
  return figures;
}

QWidget* PlanWindow::MakeButtons() {
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
  return buttons;
}

void PlanWindow::Follow(const RunView& run) {
  planned_ = PlanRun(run, settings_->Settings());
  ShowPlan();
}

void PlanWindow::ShowPlan() {
  ShowVerdict();
  ShowSummary();
  ShowWindings();
  note_->setText(planned_.HasPlan() ? PlanNote(planned_.settings) : QString());
  drawing_->Show(planned_);
  for (QAction* command : {save_, print_, copy_}) command->setEnabled(planned_.HasPlan());
}

void PlanWindow::ShowVerdict() {
  const QString words = planned_.HasPlan() ? FromUtf8(plan::VerdictText(planned_.plan.verdict))
                                           : QStringLiteral("Плана нет. ") + NoPlanReason(planned_);
  verdict_->setText(VerdictSign(planned_) + QLatin1Char(' ') + words);
  QPalette colours = palette();  // the theme's, tinted afresh for each verdict
  colours.setColor(QPalette::Window, Tinted(colours.color(QPalette::Window), VerdictHue(planned_)));
  verdict_->setPalette(colours);
}

void PlanWindow::ShowSummary() {
  const std::vector<PlanLine> lines =
      planned_.HasPlan() ? SummaryLines(planned_.plan) : std::vector<PlanLine>{};
  for (int k = 0; k < kSummaryRows; ++k) {
    const bool shown = k < static_cast<int>(lines.size());
    auto* caption = static_cast<QLabel*>(summary_->itemAt(k, QFormLayout::LabelRole)->widget());
    auto* value = static_cast<QLabel*>(summary_->itemAt(k, QFormLayout::FieldRole)->widget());
    caption->setText(shown ? lines[k].caption : QString());
    value->setText(shown ? lines[k].value : QString());
    value->setAccessibleName(caption->text());
    summary_->setRowVisible(k, shown);
  }
}

void PlanWindow::ShowWindings() {
  const std::vector<WindingRow> rows =
      planned_.HasPlan() ? WindingRows(planned_.plan) : std::vector<WindingRow>{};
  windings_->setRowCount(static_cast<int>(rows.size()));
  QStringList captions;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    captions << rows[r].caption;
    for (int c = 0; c < static_cast<int>(rows[r].values.size()); ++c) {
      auto* cell = new QTableWidgetItem(rows[r].values[c]);
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      windings_->setItem(r, c, cell);
    }
  }
  windings_->setVerticalHeaderLabels(captions);
  windings_->setVisible(!rows.empty());
}

bool PlanWindow::SavePdf(const QString& path) {
  if (WriteSheetPdf(path, planned_)) return true;
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
  dialog.selectFile(QStringLiteral("План намотки.pdf"));
  if (dialog.exec() == QDialog::Accepted) SavePdf(dialog.selectedFiles().constFirst());
}

void PlanWindow::Print() {
  UseRussianQtTexts();
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("Печать плана намотки"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintSheet(printer, planned_)) {
    QMessageBox::warning(this, windowTitle(), QStringLiteral("Не удалось начать печать."));
  }
}

void PlanWindow::CopyPlan() { QGuiApplication::clipboard()->setText(PlanText(planned_)); }

}  // namespace ui
