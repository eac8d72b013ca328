#include "ui/plan_window/plan_settings_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/common/field_marks.h"
#include "ui/common/utf8.h"
#include "ui/common/window_settings.h"
#include "values/setting_rule.h"
#include "windings/settings.h"

namespace ui {

namespace {

constexpr int kFieldWidth = 90;

// What each enamel grade means, with the wires sold under it.
QString GradeText(int grade) {
  switch (grade) {
    case 1:
      return QStringLiteral("1 — тонкая эмаль, как ПЭВ-1 и ПЭТВ-1");
    case 2:
      return QStringLiteral("2 — толстая, как ПЭВ-2 и ПЭТВ-2");
    default:
      return QString::number(grade);
  }
}

QString SettingCaption(std::size_t k) { return FromUtf8(account::SettingCaption(k)); }

}  // namespace

PlanSettingsForm::PlanSettingsForm(SettingsKeeper& keeper, QWidget* parent)
    : QGroupBox(QStringLiteral("Настройки плана и проверки"), parent), keeper_(keeper) {
  setObjectName(QStringLiteral("settings"));
  setAccessibleName(title());
  auto* form = new QFormLayout(this);
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    if (account::IsGrade(k)) {
      AddGradeRow(*form, k);
    } else {
      AddTypedRow(*form, k);
    }
  }
  AddDiodeRow(*form);
  auto* note = new QLabel(QStringLiteral("Свой провод — диаметр без изоляции провода, который у "
                                         "вас есть; пусто — стандартный провод по расчету."),
                          this);
  note->setWordWrap(true);
  note->setAccessibleName(QStringLiteral("Пояснение к своему проводу"));
  form->addRow(note);
  auto* restore = new QPushButton(QStringLiteral("Значения по умолчанию"), this);
  restore->setObjectName(QStringLiteral("restoreDefaults"));
  restore->setAccessibleName(restore->text());
  restore->setAutoDefault(false);
  connect(restore, &QPushButton::clicked, &keeper_, &SettingsKeeper::RestoreDefaults);
  form->addRow(restore);
  connect(&keeper_, &SettingsKeeper::Replaced, this, &PlanSettingsForm::ShowTaken);
}

void PlanSettingsForm::AddGradeRow(QFormLayout& form, std::size_t k) {
  const values::SettingRule& rule = account::SettingRule(k);
  grade_ = new QComboBox(this);
  grade_->setObjectName(SettingKey(k));
  for (int grade = static_cast<int>(rule.low); grade <= static_cast<int>(rule.high); ++grade) {
    grade_->addItem(GradeText(grade), grade);
  }
  grade_->setCurrentIndex(grade_->findData(keeper_.Taken().plan.grade));
  grade_->setAccessibleName(SettingCaption(k));
  grade_->setToolTip(QStringLiteral("От класса эмали зависит диаметр провода в изоляции"));
  // A choice from the list is finished as soon as it is made.
  connect(grade_, &QComboBox::currentIndexChanged, this, [this, k] {
    keeper_.Type(k, grade_->currentData().toString());
    keeper_.Finish(k);
  });
  form.addRow(SettingCaption(k), grade_);
}

void PlanSettingsForm::AddTypedRow(QFormLayout& form, std::size_t k) {
  auto* row = new QWidget(this);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  QLineEdit* field = fields_[k] =
      new QLineEdit(FromUtf8(account::SettingText(keeper_.Taken(), k)), row);
  field->setObjectName(SettingKey(k));
  field->setAccessibleName(SettingCaption(k));
  field->setFixedWidth(kFieldWidth);
  // A setting that may be left empty says what empty means.
  field->setPlaceholderText(FromUtf8(account::SettingRule(k).blank));
  QLabel* message = messages_[k] = new QLabel(row);
  message->setObjectName(field->objectName() + QStringLiteral("Message"));
  message->setAccessibleName(QStringLiteral("Сообщение: %1").arg(SettingCaption(k)));
  message->setWordWrap(true);
  message->setTextFormat(Qt::PlainText);
  line->addWidget(field);
  line->addWidget(message, 1);
  connect(field, &QLineEdit::textChanged, this, [this, k](const QString& text) {
    keeper_.Type(k, text);
    ShowRefusal(k);
  });
  connect(field, &QLineEdit::editingFinished, this, [this, k] { keeper_.Finish(k); });
  form.addRow(SettingCaption(k), row);
}

// The rectifier windings' diode drop, from the windings library's rule.
void PlanSettingsForm::AddDiodeRow(QFormLayout& form) {
  const values::SettingRule& rule = windings::RuleOf(windings::Setting::Diode);
  const QString caption = FromUtf8(rule.name) + QStringLiteral(", ") + FromUtf8(rule.unit);
  auto* row = new QWidget(this);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  diode_ = new QLineEdit(FromUtf8(values::ShortestText(keeper_.Rectifier().diode)), row);
  diode_->setObjectName(FromUtf8(rule.key));
  diode_->setAccessibleName(caption);
  diode_->setToolTip(FromUtf8(rule.help));
  diode_->setFixedWidth(kFieldWidth);
  diode_message_ = new QLabel(row);
  diode_message_->setObjectName(diode_->objectName() + QStringLiteral("Message"));
  diode_message_->setAccessibleName(QStringLiteral("Сообщение: %1").arg(caption));
  diode_message_->setWordWrap(true);
  diode_message_->setTextFormat(Qt::PlainText);
  line->addWidget(diode_);
  line->addWidget(diode_message_, 1);
  connect(diode_, &QLineEdit::textChanged, this, [this](const QString& text) {
    keeper_.TypeDiode(text);
    ShowDiodeRefusal();
  });
  connect(diode_, &QLineEdit::editingFinished, this, [this] { keeper_.FinishDiode(); });
  form.addRow(caption, row);
}

void PlanSettingsForm::ShowDiodeRefusal() {
  const QString& refusal = keeper_.DiodeRefusal();
  diode_message_->setText(refusal);
  if (refusal.isEmpty()) {
    UnmarkField(*diode_);
  } else {
    MarkField(*diode_, refusal);
  }
}

// The keeper already holds every value: showing them must not type them in again.
void PlanSettingsForm::ShowTaken() {
  const WindowSettings& taken = keeper_.Taken();
  const QSignalBlocker quiet_grade(grade_);
  grade_->setCurrentIndex(grade_->findData(taken.plan.grade));
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    if (fields_[k] == nullptr) continue;
    const QSignalBlocker quiet(fields_[k]);
    fields_[k]->setText(FromUtf8(account::SettingText(taken, k)));
    ShowRefusal(k);
  }
  const QSignalBlocker quiet_diode(diode_);
  diode_->setText(FromUtf8(values::ShortestText(keeper_.Rectifier().diode)));
  ShowDiodeRefusal();
}

void PlanSettingsForm::ShowRefusal(std::size_t k) {
  const QString& refusal = keeper_.RefusalOf(k);
  messages_[k]->setText(refusal);
  if (refusal.isEmpty()) {
    UnmarkField(*fields_[k]);
  } else {
    MarkField(*fields_[k], refusal);
  }
}

}  // namespace ui
