#include "ui/plan_window/plan_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "design_file/faces.h"
#include "ui/common/utf8.h"
#include "ui/plan_window/check_page.h"
#include "ui/plan_window/plan_header.h"
#include "ui/plan_window/plan_page.h"
#include "ui/plan_window/plan_settings_form.h"
#include "ui/plan_window/winding_drawing.h"
#include "ui/plan_window/windings_page.h"

namespace ui {

namespace {

constexpr QSize kDefaultSize(1020, 680);  // within a 1366 × 768 screen with its panels
constexpr int kFiguresWidth = 500;

}  // namespace

PlanWindow::PlanWindow(SettingsKeeper& keeper, QWidget* main)
    : QWidget(main, Qt::Window), keeper_(keeper) {
  setObjectName(QStringLiteral("PlanWindow"));
  setWindowTitle(QStringLiteral("План намотки и проверка"));
  setAccessibleName(windowTitle());
  resize(kDefaultSize);

  drawing_ = new WindingDrawing(this);
  auto* columns = new QHBoxLayout;
  columns->addWidget(MakeFigures());
  columns->addWidget(drawing_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  MakeCommands();

  connect(header_, &PlanHeader::TurnsChosen, this, &PlanWindow::ShowTurns);
  connect(&keeper_, &SettingsKeeper::Changed, this, &PlanWindow::Recompute);
  Recompute();
}

QWidget* PlanWindow::MakeFigures() {
  auto* figures = new QWidget(this);
  figures->setFixedWidth(kFiguresWidth);
  auto* column = new QVBoxLayout(figures);
  column->setContentsMargins(0, 0, 0, 0);
  header_ = new PlanHeader(figures);
  column->addWidget(header_);

  auto* pages = new QTabWidget(figures);
  pages->setObjectName(QStringLiteral("pages"));
  pages->setAccessibleName(QStringLiteral("План, проверка и настройки"));
  plan_page_ = new PlanPage(pages);
  check_page_ = new CheckPage(pages);
  pages->addTab(plan_page_, QStringLiteral("План намотки"));
  pages->addTab(check_page_, QStringLiteral("Проверка"));
  windings_page_ = new WindingsPage(keeper_, pages);
  pages->addTab(windings_page_, QStringLiteral("Обмотки"));
  pages->addTab(new PlanSettingsForm(keeper_, pages), QStringLiteral("Настройки"));
  column->addWidget(pages, 1);
  pages_ = pages;
  return figures;
}

void PlanWindow::Follow(const account::Press& press, const calc::CalculatorState& before) {
  before_ = before;
  planned_ = PlanRun(press, keeper_.Taken(), Refusal(), preferred_);
  EvaluateAll();
  ShowPlan();
}

// The diode drop is refused as the other settings are: nothing shown while it is.
QString PlanWindow::Refusal() const {
  const QString refusal = keeper_.Refusal();
  return refusal.isEmpty() ? keeper_.DiodeRefusal() : refusal;
}

// Sized on a copy, so that the next change of the table sees the same record.
void PlanWindow::EvaluateAll() {
  all_ = AsksAllWindings(keeper_.Rows());
  if (!all_) return;
  calc::InputTexts texts;
  for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = planned_.press.inputs[k];
  calc::CalculatorState record = before_;
  const WindowSettings& taken = keeper_.Taken();
  windings::Evaluate(record, texts, RequestOf(keeper_.Rows()),
                     {taken.plan, taken.check, keeper_.Rectifier()}, outcome_);
}

void PlanWindow::ShowTurns(Turns turns) {
  preferred_ = turns;
  Recompute();
}

// Only settings taken are ever planned with, and while a field refuses its text the figures are
// blanked rather than left from the last value taken.
void PlanWindow::Recompute() {
  Replan(planned_, keeper_.Taken(), Refusal(), preferred_);
  EvaluateAll();
  ShowPlan();
}

// Before a press there is no design of all windings to show, only the reason there is none.
void PlanWindow::ShowPlan() {
  const bool total = all_ && planned_.press.end != account::End::NotYet;
  shown_ = total ? TotalRun(planned_, outcome_, preferred_) : planned_;
  header_->Show(shown_);
  windings_page_->Show(planned_.press, outcome_);
  if (all_ && planned_.refusal.empty()) {
    plan_page_->ShowAll(outcome_, shown_);
    check_page_->ShowAll(outcome_, planned_.check_settings);
  } else {
    plan_page_->Show(planned_);
    check_page_->Show(planned_);
  }
  drawing_->Show(shown_);
  for (QAction* command : {save_, print_, copy_}) command->setEnabled(shown_.HasPlan());
}

// Greyed as the main window greys its results, and said above the pages.
void PlanWindow::ShowStale(bool stale) {
  header_->ShowStale(stale);
  QPalette colours = pages_->palette();
  for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText}) {
    colours.setColor(
        role, QApplication::palette().color(stale ? QPalette::Disabled : QPalette::Active, role));
  }
  pages_->setPalette(colours);
  pages_->setProperty("stale", stale);
}

void PlanWindow::ShowDesignTitle(const QString& title) {
  design_title_ = title;
  const QString caption = QStringLiteral("План намотки и проверка");
  const QString shown = FromUtf8(design_file::ShortTitle(title.toStdString()));
  setWindowTitle(shown.isEmpty() ? caption : shown + QStringLiteral(" — ") + caption);
}

void PlanWindow::closeEvent(QCloseEvent* event) {
  keeper_.StoreAll();
  event->accept();
}

}  // namespace ui
