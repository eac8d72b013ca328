#include "ui/plan_window/plan_page.h"

#include <array>
#include <vector>

#include <QFormLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "account/several_windings.h"
#include "account/tables.h"
#include "ui/common/utf8.h"
#include "ui/plan_window/figure_table.h"

namespace ui {

namespace {

// The summary's rows: fill, depth, and the ring's hole that stays.
constexpr std::array<const char*, 3> kSummaryNames = {"fill", "depth", "holeLeft"};

}  // namespace

PlanPage::PlanPage(QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  power_ = new QLabel(this);
  power_->setObjectName(QStringLiteral("powerLine"));
  power_->setAccessibleName(QStringLiteral("Расчет по всем обмоткам"));
  power_->setWordWrap(true);
  power_->setTextFormat(Qt::PlainText);
  power_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  power_->hide();
  column->addWidget(power_);
  summary_ = new QFormLayout;
  for (const char* name : kSummaryNames) {
    auto* value = new QLabel(this);
    value->setObjectName(QString::fromLatin1(name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->addRow(new QLabel(this), value);
  }
  column->addLayout(summary_);
  windings_ = MakeFigureTable(this, QStringLiteral("windings"), QStringLiteral("Обмотки"));
  column->addWidget(windings_);
  secondaries_ =
      MakeFigureTable(this, QStringLiteral("secondaries"), QStringLiteral("Вторичные обмотки"));
  column->addWidget(secondaries_);
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("note"));
  note_->setAccessibleName(QStringLiteral("Примечание к плану"));
  note_->setWordWrap(true);
  column->addWidget(note_);
  column->addStretch(1);
}

void PlanPage::Show(const PlannedRun& planned) {
  const bool shown = planned.HasPlan();
  power_->hide();
  ShowFigureTable(*secondaries_, {});
  ShowSummary(shown ? account::SummaryLines(planned.plan) : std::vector<account::Line>{});
  ShowFigureTable(*windings_, shown ? account::WindingTable(planned.plan) : account::Table{});
  note_->setText(shown ? FromUtf8(account::PlanNote(planned.settings)) : QString());
}

void PlanPage::ShowAll(const windings::Outcome& outcome, const PlannedRun& planned) {
  const plan::Plan& plan = planned.plan;
  const bool shown = !plan.windings.empty();
  const QString line = FromUtf8(account::PowerLine(outcome));
  const QString reason = FromUtf8(account::DesignReason(outcome));
  power_->setText(reason.isEmpty() ? line : line.isEmpty() ? reason : line + '\n' + reason);
  power_->show();
  ShowSummary(shown ? account::SummaryLines(plan) : std::vector<account::Line>{});
  ShowFigureTable(*windings_, shown ? account::WindingTable(plan) : account::Table{});
  ShowFigureTable(*secondaries_, account::SecondariesTable(outcome, account::WindingTurns::Sized));
  note_->setText(shown ? FromUtf8(account::PlanNote(planned.settings)) : QString());
}

void PlanPage::ShowSummary(const std::vector<account::Line>& lines) {
  for (int k = 0; k < summary_->rowCount(); ++k) {
    const bool filled = k < static_cast<int>(lines.size());
    auto* caption = static_cast<QLabel*>(summary_->itemAt(k, QFormLayout::LabelRole)->widget());
    auto* value = static_cast<QLabel*>(summary_->itemAt(k, QFormLayout::FieldRole)->widget());
    const account::Line* line = filled ? &lines[static_cast<std::size_t>(k)] : nullptr;
    caption->setText(line != nullptr ? FromUtf8(line->caption) : QString());
    value->setText(line != nullptr ? FromUtf8(line->value) : QString());
    value->setAccessibleName(caption->text());
    summary_->setRowVisible(k, filled);
  }
}

}  // namespace ui
