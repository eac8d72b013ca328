#include "ui/plan_window/plan_header.h"

#include <array>

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "account/stale_words.h"
#include "account/tables.h"
#include "ui/common/theme_tint.h"
#include "ui/common/utf8.h"
#include "ui/plan_window/figure_table.h"

namespace ui {

namespace {

constexpr std::array kTurns = {Turns::Calculated, Turns::Refined};

const QColor kGood(0, 170, 0);
const QColor kNone(128, 128, 128);

QColor VerdictHue(const PlannedRun& planned) {
  if (!planned.HasPlan()) return kNone;
  switch (planned.plan.verdict) {
    case plan::Verdict::Fits:
      return kGood;
    case plan::Verdict::Tight:
      return kWarningHue;
    default:
      return kFlagHue;
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

QLabel* MakeLine(QWidget* parent, const QString& name, const QString& accessible) {
  auto* line = new QLabel(parent);
  line->setObjectName(name);
  line->setAccessibleName(accessible);
  line->setWordWrap(true);
  line->setTextFormat(Qt::PlainText);
  return line;
}

}  // namespace

PlanHeader::PlanHeader(QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  power_ =
      MakeLine(this, QStringLiteral("designPowerLine"), QStringLiteral("Расчет по всем обмоткам"));
  power_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  power_->hide();
  column->addWidget(power_);
  verdict_ = MakeLine(this, QStringLiteral("verdict"), QStringLiteral("Вывод плана намотки"));
  verdict_->setAutoFillBackground(true);
  verdict_->setMargin(6);
  QFont bold = verdict_->font();
  bold.setBold(true);
  verdict_->setFont(bold);
  column->addWidget(verdict_);
  stale_ = MakeLine(this, QStringLiteral("stale"), QStringLiteral("Данные изменены"));
  stale_->setText(FromUtf8(account::kStalePlanWords));
  stale_->hide();
  column->addWidget(stale_);

  auto* line = new QHBoxLayout;
  turns_ = new QComboBox(this);
  turns_->setObjectName(QStringLiteral("turns"));
  turns_->setAccessibleName(QStringLiteral("Витки, для которых показан план"));
  turns_->setToolTip(QStringLiteral(
      "План, чертеж, лист PDF и копия — для этих витков. Уточненные витки дают индукцию Bmax "
      "по таблице и не меньше U2 под нагрузкой."));
  for (const Turns turns : kTurns) {
    turns_->addItem(QString(), QVariant::fromValue(static_cast<int>(turns)));
  }
  connect(turns_, &QComboBox::activated, this, [this](int index) {
    emit TurnsChosen(static_cast<Turns>(turns_->itemData(index).toInt()));
  });
  auto* caption = new QLabel(QStringLiteral("План для:"), this);
  caption->setBuddy(turns_);
  line->addWidget(caption);
  line->addWidget(turns_, 1);
  column->addLayout(line);
}

void PlanHeader::Show(const PlannedRun& planned) {
  power_->setText(FromUtf8(planned.power_line));
  power_->setVisible(!planned.power_line.empty());
  const QString words = planned.HasPlan() ? FromUtf8(plan::VerdictText(planned.plan.verdict))
                                          : QStringLiteral("Плана нет. ") + NoPlanReason(planned);
  verdict_->setText(VerdictSign(planned) + QLatin1Char(' ') + words);
  TintBackground(*verdict_, VerdictHue(planned));

  const QSignalBlocker quiet(turns_);
  auto* model = static_cast<QStandardItemModel*>(turns_->model());
  for (int k = 0; k < turns_->count(); ++k) {
    const Turns turns = kTurns[static_cast<std::size_t>(k)];
    turns_->setItemText(k, FromUtf8(account::TurnsChoice(planned, turns)));
    model->item(k)->setEnabled(turns == Turns::Calculated || account::HasRefined(planned));
  }
  turns_->setCurrentIndex(planned.turns == Turns::Refined ? 1 : 0);
  turns_->setEnabled(planned.HasPlan());
}

void PlanHeader::ShowStale(bool stale) { stale_->setVisible(stale); }

}  // namespace ui
