#include "ui/plan_window/plan_settings_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/common/field_marks.h"
#include "ui/common/utf8.h"
#include "ui/plan_window/plan_rows.h"

namespace ui {

namespace {

constexpr std::array<const char*, 6> kFieldNames = {"bobbin", "interlayer", "between",
                                                    "wrap",   "ownWire1",   "ownWire2"};
constexpr int kFieldWidth = 90;

plan::Setting TypedSetting(std::size_t k) { return plan::kAllSettings[k + 1]; }

QString Caption(plan::Setting which) {
  const std::string_view unit = plan::SettingUnit(which);
  QString caption = FromUtf8(plan::SettingName(which));
  if (!unit.empty()) caption += QStringLiteral(", ") + FromUtf8(unit);
  return caption;
}

}  // namespace

PlanSettingsForm::PlanSettingsForm(QWidget* parent)
    : QGroupBox(QStringLiteral("Настройки"), parent) {
  setObjectName(QStringLiteral("settings"));
  setAccessibleName(QStringLiteral("Настройки плана намотки"));
  auto* form = new QFormLayout(this);
  AddGradeRow(*form);
  for (std::size_t k = 0; k < kTyped; ++k) AddTypedRow(*form, k);
  auto* note = new QLabel(QStringLiteral("Свой провод — диаметр без изоляции провода, который у "
                                         "вас есть; пусто — стандартный провод по расчету."),
                          this);
  note->setWordWrap(true);
  note->setAccessibleName(QStringLiteral("Пояснение к своему проводу"));
  form->addRow(note);
}

void PlanSettingsForm::AddGradeRow(QFormLayout& form) {
  grade_ = new QComboBox(this);
  grade_->setObjectName(QStringLiteral("grade"));
  grade_->addItems({QStringLiteral("1"), QStringLiteral("2")});
  grade_->setCurrentIndex(settings_.grade - 1);
  grade_->setAccessibleName(Caption(plan::Setting::Grade));
  grade_->setToolTip(
      QStringLiteral("Класс 1 — тоньше эмаль, класс 2 — толще; от него зависит диаметр "
                     "провода в изоляции"));
  connect(grade_, &QComboBox::currentIndexChanged, this, [this](int index) {
    plan::Settings changed = settings_;
    changed.grade = index + 1;
    Store(changed);
  });
  form.addRow(Caption(plan::Setting::Grade), grade_);
}

void PlanSettingsForm::AddTypedRow(QFormLayout& form, std::size_t k) {
  const plan::Setting which = TypedSetting(k);
  auto* row = new QWidget(this);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  QLineEdit* field = fields_[k] = new QLineEdit(SettingValueText(settings_, which), row);
  field->setObjectName(QString::fromLatin1(kFieldNames[k]));
  field->setAccessibleName(Caption(which));
  field->setFixedWidth(kFieldWidth);
  if (plan::IsOwnWire(which)) {
    field->setPlaceholderText(QStringLiteral("стандартный"));
  }
  QLabel* message = messages_[k] = new QLabel(row);
  message->setObjectName(field->objectName() + QStringLiteral("Message"));
  message->setAccessibleName(QStringLiteral("Сообщение: %1").arg(Caption(which)));
  message->setWordWrap(true);
  message->setTextFormat(Qt::PlainText);
  line->addWidget(field);
  line->addWidget(message, 1);
  connect(field, &QLineEdit::textChanged, this, [this, k](const QString& text) { Apply(k, text); });
  form.addRow(Caption(which), row);
}

void PlanSettingsForm::Apply(std::size_t k, const QString& text) {
  plan::Settings changed = settings_;
  const QByteArray utf8 = text.toUtf8();
  const std::optional<std::string> refusal =
      plan::SetFromText(changed, TypedSetting(k),
                        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
  if (refusal) {
    messages_[k]->setText(QString::fromStdString(*refusal));
    MarkField(*fields_[k], messages_[k]->text());
    return;
  }
  messages_[k]->clear();
  UnmarkField(*fields_[k]);
  Store(changed);
}

void PlanSettingsForm::Store(const plan::Settings& changed) {
  if (changed == settings_) return;
  settings_ = changed;
  emit Changed();
}

}  // namespace ui
