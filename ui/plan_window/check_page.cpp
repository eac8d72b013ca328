#include "ui/plan_window/check_page.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "account/several_windings.h"
#include "account/tables.h"
#include "ui/common/theme_tint.h"
#include "ui/common/utf8.h"
#include "ui/plan_window/check_rows.h"
#include "ui/plan_window/figure_table.h"

namespace ui {

namespace {

const QColor kGood(0, 170, 0);
const QColor kNone(128, 128, 128);

}  // namespace

CheckPage::CheckPage(QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  verdicts_ = new QLabel(this);
  verdicts_->setObjectName(QStringLiteral("checkVerdicts"));
  verdicts_->setAccessibleName(QStringLiteral("Вывод проверки"));
  verdicts_->setWordWrap(true);
  verdicts_->setTextFormat(Qt::PlainText);
  verdicts_->setAutoFillBackground(true);
  verdicts_->setMargin(4);
  verdicts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  column->addWidget(verdicts_);
  check_ = MakeFigureTable(this, QStringLiteral("check"),
                           QStringLiteral("Проверка расчетных и уточненных витков"));
  column->addWidget(check_);
  refined_ = MakeFigureTable(this, QStringLiteral("refinedSecondaries"),
                             QStringLiteral("Проверка уточненных витков всех обмоток"));
  column->addWidget(refined_);
  column->addStretch(1);
}

void CheckPage::Show(const PlannedRun& planned) {
  const QString missing = NoCheckReason(planned);
  ShowFigureTable(*check_, account::CheckTable(planned));
  ShowFigureTable(*refined_, {});
  verdicts_->setText(missing.isEmpty() ? CheckVerdicts(planned).join('\n') : missing);
  TintBackground(*verdicts_, !missing.isEmpty()          ? kNone
                             : account::AnyFlag(planned) ? kFlagHue
                                                         : kGood);
}

}  // namespace ui

namespace ui {

namespace {

using account::WindingTurns;

// The heading of each design the check of all windings shows, and its turns.
constexpr std::array<std::pair<const char*, WindingTurns>, 2> kAllDesigns = {{
    {"Расчетные витки", WindingTurns::Sized},
    {"Уточненные витки", WindingTurns::Refined},
}};

}  // namespace

void CheckPage::ShowAll(const windings::Outcome& outcome, const check::Settings& settings) {
  const QString missing = FromUtf8(account::DesignReason(outcome));
  QStringList lines;
  bool flagged = false;
  for (const auto& [heading, turns] : kAllDesigns) {
    const std::vector<std::string> flags = account::DesignFlagSentences(outcome, settings, turns);
    const bool checked = turns == WindingTurns::Sized ? outcome.check.has_value()
                                                      : outcome.refined.check.has_value();
    if (!checked) continue;
    flagged = flagged || !flags.empty();
    QStringList sentences;
    for (const std::string& flag : flags) sentences.append(FromUtf8(flag));
    lines.append(QString::fromUtf8(heading) + QStringLiteral(": ") +
                 (flags.empty() ? QStringLiteral("замечаний нет.") : sentences.join(' ')));
  }
  ShowFigureTable(*check_, account::SecondariesTable(outcome, WindingTurns::Sized));
  ShowFigureTable(*refined_, outcome.refined.check
                                 ? account::SecondariesTable(outcome, WindingTurns::Refined)
                                 : account::Table{});
  verdicts_->setText(missing.isEmpty() ? lines.join('\n') : missing);
  TintBackground(*verdicts_, !missing.isEmpty() ? kNone : flagged ? kFlagHue : kGood);
}

}  // namespace ui
