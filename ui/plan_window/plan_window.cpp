#include "ui/plan_window/plan_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
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
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/common/qt_translations.h"
#include "ui/common/theme_tint.h"
#include "ui/common/utf8.h"
#include "ui/common/window_command.h"
#include "ui/common/window_settings.h"
#include "ui/plan_window/check_rows.h"
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

const QColor kGood(0, 170, 0);
const QColor kWarning(220, 0, 0);

QColor VerdictHue(const PlannedRun& planned) {
  if (!planned.HasPlan()) return {128, 128, 128};
  switch (planned.plan.verdict) {
    case plan::Verdict::Fits:
      return kGood;
    case plan::Verdict::Tight:
      return {240, 160, 0};
    default:
      return kWarning;
  }
}

// A sign before the words, so the verdict does not rest on its colour.
QString VerdictSign(const PlannedRun& planned) {
  if (!planned.HasPlan()) return QStringLiteral("ℹ");
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

QTableWidget* MakeTable(QWidget* parent, const QString& name, const QString& accessible,
                        const std::array<QString, 2>& headings) {
  auto* table = new QTableWidget(parent);
  table->setObjectName(name);
  table->setAccessibleName(accessible);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setColumnCount(static_cast<int>(headings.size()));
  table->setHorizontalHeaderLabels({headings[0], headings[1]});
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  return table;
}

// Rows of captions and values, as tall as its rows: no empty space below the last.
void FillTable(QTableWidget& table, const QStringList& captions,
               const std::vector<std::array<QString, 2>>& values) {
  table.setRowCount(static_cast<int>(values.size()));
  for (int r = 0; r < static_cast<int>(values.size()); ++r) {
    for (int c = 0; c < 2; ++c) {
      auto* cell = new QTableWidgetItem(values[r][c]);
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table.setItem(r, c, cell);
    }
  }
  table.setVerticalHeaderLabels(captions);
  table.resizeRowsToContents();
  table.setFixedHeight(table.horizontalHeader()->sizeHint().height() +
                       table.verticalHeader()->length() + 2 * table.frameWidth());
  table.setVisible(!values.empty());
}

void Tint(QWidget& widget, const QColor& hue) {
  QPalette colours = widget.parentWidget()->palette();  // the theme's, tinted afresh each time
  colours.setColor(QPalette::Window, Tinted(colours.color(QPalette::Window), hue));
  widget.setPalette(colours);
}

}  // namespace

PlanWindow::PlanWindow(QWidget* main) : QWidget(main, Qt::Window) {
  setObjectName(QStringLiteral("PlanWindow"));
  setWindowTitle(QStringLiteral("План намотки и проверка"));
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
    Recompute();
    emit SettingsChanged();
  });
  Recompute();
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
  column->addWidget(MakeTurnsRow());

  auto* pages = new QTabWidget(figures);
  pages->setObjectName(QStringLiteral("pages"));
  pages->setAccessibleName(QStringLiteral("План, проверка и настройки"));
  pages->addTab(MakePlanPage(), QStringLiteral("План намотки"));
  pages->addTab(MakeCheckPage(), QStringLiteral("Проверка"));
  pages->addTab(settings_, QStringLiteral("Настройки"));
  column->addWidget(pages, 1);
  return figures;
}

QWidget* PlanWindow::MakeTurnsRow() {
  auto* row = new QWidget(this);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  turns_ = new QComboBox(row);
  turns_->setObjectName(QStringLiteral("turns"));
  turns_->setAccessibleName(QStringLiteral("Витки, для которых показан план"));
  turns_->setToolTip(QStringLiteral(
      "План, чертеж, лист PDF и копия — для этих витков. Уточненные витки дают индукцию Bmax "
      "по таблице и не меньше U2 под нагрузкой."));
  turns_->addItem(QString(), QVariant::fromValue(static_cast<int>(Turns::Calculated)));
  turns_->addItem(QString(), QVariant::fromValue(static_cast<int>(Turns::Refined)));
  connect(turns_, &QComboBox::activated, this,
          [this](int index) { ShowTurns(static_cast<Turns>(turns_->itemData(index).toInt())); });
  auto* caption = new QLabel(QStringLiteral("План для:"), row);
  caption->setBuddy(turns_);
  line->addWidget(caption);
  line->addWidget(turns_, 1);
  return row;
}

QWidget* PlanWindow::MakePlanPage() {
  auto* page = new QWidget(this);
  auto* column = new QVBoxLayout(page);
  summary_ = new QFormLayout;
  for (const char* name : kSummaryNames) {
    auto* value = new QLabel(page);
    value->setObjectName(QString::fromLatin1(name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->addRow(new QLabel(page), value);
  }
  column->addLayout(summary_);
  windings_ =
      MakeTable(page, QStringLiteral("windings"), QStringLiteral("Обмотки"), kWindingHeadings);
  column->addWidget(windings_);
  note_ = new QLabel(page);
  note_->setObjectName(QStringLiteral("note"));
  note_->setAccessibleName(QStringLiteral("Примечание к плану"));
  note_->setWordWrap(true);
  column->addWidget(note_);
  column->addStretch(1);
  return page;
}

QWidget* PlanWindow::MakeCheckPage() {
  auto* page = new QWidget(this);
  auto* column = new QVBoxLayout(page);
  check_verdicts_ = new QLabel(page);
  check_verdicts_->setObjectName(QStringLiteral("checkVerdicts"));
  check_verdicts_->setAccessibleName(QStringLiteral("Вывод проверки"));
  check_verdicts_->setWordWrap(true);
  check_verdicts_->setTextFormat(Qt::PlainText);
  check_verdicts_->setAutoFillBackground(true);
  check_verdicts_->setMargin(4);
  check_verdicts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  column->addWidget(check_verdicts_);
  check_ = MakeTable(page, QStringLiteral("check"),
                     QStringLiteral("Проверка расчетных и уточненных витков"), kCheckHeadings);
  column->addWidget(check_);
  column->addStretch(1);
  return page;
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
  planned_ = PlanRun(run, settings_->Settings(), preferred_);
  ShowAccepted();
}

void PlanWindow::ShowTurns(Turns turns) {
  preferred_ = turns;
  Recompute();
}

void PlanWindow::Recompute() {
  Replan(planned_, settings_->Settings(), preferred_);
  ShowAccepted();
}

// Only accepted settings are ever planned with, and while a field refuses its value the
// figures are blanked rather than left from the last value accepted.
void PlanWindow::ShowAccepted() {
  const QString refusal = settings_->Refusal();
  if (!refusal.isEmpty()) Refuse(planned_, refusal);
  ShowPlan();
}

void PlanWindow::ShowPlan() {
  ShowVerdict();
  ShowTurnsChoice();
  ShowSummary();
  ShowWindings();
  ShowCheck();
  note_->setText(planned_.HasPlan() ? PlanNote(planned_.settings) : QString());
  drawing_->Show(planned_);
  for (QAction* command : {save_, print_, copy_}) command->setEnabled(planned_.HasPlan());
}

void PlanWindow::ShowVerdict() {
  const QString words = planned_.HasPlan() ? FromUtf8(plan::VerdictText(planned_.plan.verdict))
                                           : QStringLiteral("Плана нет. ") + NoPlanReason(planned_);
  verdict_->setText(VerdictSign(planned_) + QLatin1Char(' ') + words);
  Tint(*verdict_, VerdictHue(planned_));
}

void PlanWindow::ShowTurnsChoice() {
  const QSignalBlocker quiet(turns_);
  const std::array<Turns, 2> kinds = {Turns::Calculated, Turns::Refined};
  const std::array<QString, 2> names = {QStringLiteral("расчетных витков"),
                                        QStringLiteral("уточненных витков")};
  const std::array<const plan::Plan*, 2> plans = {&planned_.calculated,
                                                  &planned_.check.refined.plan};
  auto* model = static_cast<QStandardItemModel*>(turns_->model());
  for (int k = 0; k < 2; ++k) {
    QString text = names[k];
    if (plans[k]->windings.size() >= 2) {
      text += QStringLiteral(": W1 %1, W2 %2")
                  .arg(plans[k]->windings[0].turns)
                  .arg(plans[k]->windings[1].turns);
    }
    turns_->setItemText(k, text);
    model->item(k)->setEnabled(kinds[k] == Turns::Calculated || HasRefined(planned_));
  }
  turns_->setCurrentIndex(planned_.turns == Turns::Refined ? 1 : 0);
  turns_->setEnabled(planned_.HasPlan());
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
  QStringList captions;
  std::vector<std::array<QString, 2>> values;
  if (planned_.HasPlan()) {
    for (const WindingRow& row : WindingRows(planned_.plan)) {
      captions << row.caption;
      values.push_back(row.values);
    }
  }
  FillTable(*windings_, captions, values);
}

void PlanWindow::ShowCheck() {
  const QString missing = NoCheckReason(planned_);
  QStringList captions;
  std::vector<std::array<QString, 2>> values;
  std::vector<CheckRow> rows;
  if (missing.isEmpty()) rows = CheckRows(planned_);
  for (const CheckRow& row : rows) {
    captions << row.caption;
    values.push_back(row.values);
  }
  FillTable(*check_, captions, values);
  const QColor base = check_->palette().color(QPalette::Base);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < 2; ++c) {
      if (rows[r].flagged[c]) check_->item(r, c)->setBackground(Tinted(base, kWarning));
    }
  }
  check_verdicts_->setText(missing.isEmpty() ? CheckVerdicts(planned_).join('\n') : missing);
  Tint(*check_verdicts_, !missing.isEmpty()  ? QColor(128, 128, 128)
                         : AnyFlag(planned_) ? kWarning
                                             : kGood);
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
  if (!PrintSheet(printer, planned_)) {
    QMessageBox::warning(this, windowTitle(), QStringLiteral("Не удалось начать печать."));
  }
}

void PlanWindow::CopyPlan() { QGuiApplication::clipboard()->setText(PlanText(planned_)); }

}  // namespace ui
