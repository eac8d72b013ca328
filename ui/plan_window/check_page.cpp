#include "ui/plan_window/check_page.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "account/tables.h"
#include "ui/common/theme_tint.h"
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
  column->addStretch(1);
}

void CheckPage::Show(const PlannedRun& planned) {
  const QString missing = NoCheckReason(planned);
  ShowFigureTable(*check_, account::CheckTable(planned));
  verdicts_->setText(missing.isEmpty() ? CheckVerdicts(planned).join('\n') : missing);
  TintBackground(*verdicts_, !missing.isEmpty()          ? kNone
                             : account::AnyFlag(planned) ? kFlagHue
                                                         : kGood);
}

}  // namespace ui
