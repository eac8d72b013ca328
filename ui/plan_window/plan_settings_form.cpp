#include "ui/plan_window/plan_settings_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/common/field_marks.h"
#include "ui/common/utf8.h"

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

}  // namespace

PlanSettingsForm::PlanSettingsForm(QWidget* parent)
    : QGroupBox(QStringLiteral("Настройки плана и проверки"), parent) {
  setObjectName(QStringLiteral("settings"));
  setAccessibleName(title());
  settings_ = LoadSettings();
  auto* form = new QFormLayout(this);
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    if (IsGrade(k)) {
      AddGradeRow(*form, k);
    } else {
      AddTypedRow(*form, k);
    }
  }
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
  connect(restore, &QPushButton::clicked, this, &PlanSettingsForm::RestoreDefaults);
  form->addRow(restore);
}

void PlanSettingsForm::AddGradeRow(QFormLayout& form, std::size_t k) {
  const values::SettingRule& rule = SettingRule(k);
  grade_ = new QComboBox(this);
  grade_->setObjectName(SettingKey(k));
  for (int grade = static_cast<int>(rule.low); grade <= static_cast<int>(rule.high); ++grade) {
    grade_->addItem(GradeText(grade), grade);
  }
  grade_->setCurrentIndex(grade_->findData(settings_.plan.grade));
  grade_->setAccessibleName(SettingCaption(k));
  grade_->setToolTip(QStringLiteral("От класса эмали зависит диаметр провода в изоляции"));
  connect(grade_, &QComboBox::currentIndexChanged, this,
          [this, k] { Apply(k, grade_->currentData().toString()); });
  form.addRow(SettingCaption(k), grade_);
}

void PlanSettingsForm::AddTypedRow(QFormLayout& form, std::size_t k) {
  auto* row = new QWidget(this);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  QLineEdit* field = fields_[k] = new QLineEdit(SettingText(settings_, k), row);
  field->setObjectName(SettingKey(k));
  field->setAccessibleName(SettingCaption(k));
  field->setFixedWidth(kFieldWidth);
  // A setting that may be left empty says what empty means.
  field->setPlaceholderText(FromUtf8(SettingRule(k).blank));
  QLabel* message = messages_[k] = new QLabel(row);
  message->setObjectName(field->objectName() + QStringLiteral("Message"));
  message->setAccessibleName(QStringLiteral("Сообщение: %1").arg(SettingCaption(k)));
  message->setWordWrap(true);
  message->setTextFormat(Qt::PlainText);
  line->addWidget(field);
  line->addWidget(message, 1);
  connect(field, &QLineEdit::textChanged, this, [this, k](const QString& text) { Apply(k, text); });
  form.addRow(SettingCaption(k), row);
}

QString PlanSettingsForm::Refusal() const {
  for (const QString& refusal : refusals_) {
    if (!refusal.isEmpty()) return refusal;
  }
  return {};
}

void PlanSettingsForm::RestoreDefaults() { Show(WindowSettings{}); }

void PlanSettingsForm::Show(const WindowSettings& settings) {
  grade_->setCurrentIndex(grade_->findData(settings.plan.grade));
  for (std::size_t k = 0; k < kSettingCount; ++k) {
    if (fields_[k] != nullptr) fields_[k]->setText(SettingText(settings, k));
  }
}

void PlanSettingsForm::Apply(std::size_t k, const QString& text) {
  WindowSettings changed = settings_;
  const std::optional<QString> refusal = SetSetting(changed, k, text);
  const QString before = refusals_[k];
  refusals_[k] = refusal.value_or(QString());
  if (fields_[k] != nullptr) {
    messages_[k]->setText(refusals_[k]);
    if (refusal) {
      MarkField(*fields_[k], refusals_[k]);
    } else {
      UnmarkField(*fields_[k]);
    }
  }
  if (refusal) {
    if (refusals_[k] != before) emit Changed();
    return;
  }
  if (changed == settings_ && before.isEmpty()) return;
  settings_ = changed;
  StoreSettings(settings_);
  emit Changed();
}

}  // namespace ui
