#include "ui/calculator_window/form1.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "account/control_table.h"
#include "account/copied_text.h"
#include "account/hints.h"
#include "calc/result_labels.h"
#include "ui/calculator_window/wrapped_caption.h"
#include "ui/common/utf8.h"
#include "ui/pictures/core_pictures.h"
#include "ui/plan_window/plan_window.h"

namespace ui {

namespace {

using account::ControlKind;
using account::ControlSpec;
using account::kControls;
using account::kNoIndex;
using account::kNoTabIndex;
using account::kRows;
using account::Pixels;
using account::RowSpec;

/// Captions taller than one field row hold two lines of text.
constexpr int kOneLineTwips = 285;

/// Label38 and Label39 show the wire diameters, the primary's and the secondary's.
constexpr std::size_t kFirstDiameterResult = 38 - calc::kFirstResultLabel;
constexpr std::size_t kDiameterResults = 2;

QRect Geometry(const ControlSpec& row) {
  return {Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height)};
}

QLabel* MakeCaption(const ControlSpec& row, QWidget* window) {
  if (row.height > kOneLineTwips) return new WrappedCaption(FromUtf8(row.text), window);
  auto* label = new QLabel(FromUtf8(row.text), window);
  label->setTextFormat(Qt::PlainText);
  return label;
}

using Pictures = std::array<QPixmap, 3>;

QWidget* MakeControl(const ControlSpec& row, const QPixmap& picture, QWidget* window) {
  switch (row.kind) {
    case ControlKind::CaptionLabel:
    case ControlKind::HeadingLabel:
      return MakeCaption(row, window);
    case ControlKind::ResultLabel:
      return new ResultLabel(window);
    case ControlKind::InputField: {
      auto* field = new QLineEdit(FromUtf8(row.text), window);
      // The fields have no length limit; Qt's default would cut a long paste at 32767.
      field->setMaxLength(std::numeric_limits<int>::max());
      return field;
    }
    case ControlKind::PushButton: {
      auto* button = new QPushButton(FromUtf8(row.text), window);
      // Enter and Esc must do nothing, so no button may be the default one.
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ControlKind::Picture: {
      auto* label = new QLabel(window);
      label->setPixmap(picture);
      return label;
    }
  }
  return nullptr;
}

struct Built {
  const ControlSpec* row;
  QWidget* widget;
};

const Built& Find(const std::vector<Built>& built, std::string_view name, int index = kNoIndex) {
  const auto found = std::find_if(built.begin(), built.end(), [&](const Built& control) {
    return control.row->name == name && control.row->index == index;
  });
  if (found == built.end()) throw std::logic_error("no control " + std::string(name));
  return *found;
}

template <typename Widget>
Widget* Numbered(const std::vector<Built>& built, std::string_view prefix, int number) {
  return static_cast<Widget*>(Find(built, std::string(prefix) + std::to_string(number)).widget);
}

std::vector<Built> BuildControls(const Pictures& pictures, QWidget* window) {
  std::vector<Built> built;
  built.reserve(kControls.size());
  std::size_t picture = 0;
  for (const ControlSpec& row : kControls) {
    const bool isPicture = row.kind == ControlKind::Picture;
    QWidget* widget = MakeControl(row, isPicture ? pictures.at(picture++) : QPixmap(), window);
    widget->setObjectName(FromUtf8(row.name));
    widget->setGeometry(Geometry(row));
    if (row.index != kNoIndex) widget->setProperty("index", row.index);
    if (row.tabIndex != kNoTabIndex) widget->setProperty("tabIndex", row.tabIndex);
    built.push_back({&row, widget});
  }
  return built;
}

// Screen readers announce a field or result by the words of its caption.
void NameByCaptions(const std::vector<Built>& built) {
  for (const RowSpec& row : kRows) {
    const Built& caption = Find(built, row.caption, row.captionIndex);
    QWidget* field = Find(built, row.field).widget;
    static_cast<QLabel*>(caption.widget)->setBuddy(field);
    field->setAccessibleName(FromUtf8(calc::WithoutLeader(caption.row->text)));
  }
}

bool TakesFocus(const ControlSpec& row) {
  return row.kind == ControlKind::InputField || row.kind == ControlKind::PushButton;
}

// Tab follows the tab indices; the focus starts at the lowest. Returns the last of the ring.
QWidget* ChainFocus(const std::vector<Built>& built) {
  std::vector<Built> ring;
  std::copy_if(built.begin(), built.end(), std::back_inserter(ring),
               [](const Built& control) { return TakesFocus(*control.row); });
  std::sort(ring.begin(), ring.end(),
            [](const Built& x, const Built& y) { return x.row->tabIndex < y.row->tabIndex; });
  for (std::size_t k = 1; k < ring.size(); ++k) {
    QWidget::setTabOrder(ring[k - 1].widget, ring[k].widget);
  }
  ring.front().widget->setFocus();
  return ring.back().widget;
}

}  // namespace

Form1::Form1(FaultReport report) : report_(std::move(report)) {
  setObjectName(FromUtf8(account::kWindowName));
  setWindowTitle(FromUtf8(account::kWindowTitle));
  setGeometry(Pixels(account::kClientLeft), Pixels(account::kClientTop),
              Pixels(account::kClientWidth), Pixels(account::kClientHeight));
  setFixedSize(size());

  // The drawings need no fonts. Made before any text, they overlap the loading of the font
  // database when the caller has set it going on another thread.
  const qreal ratio = devicePixelRatioF();
  const Pictures pictures = {CorePicture(1, ratio), CorePicture(2, ratio), CorePicture(3, ratio)};
  const std::vector<Built> built = BuildControls(pictures, this);
  NameByCaptions(built);
  QWidget* last_in_ring = ChainFocus(built);

  for (int k = 0; k < static_cast<int>(fields_.size()); ++k) {
    fields_[k] = Numbered<QLineEdit>(built, "Text", k + 1);
  }
  for (int k = 0; k < calc::kResultLabelCount; ++k) {
    results_[k] = Numbered<ResultLabel>(built, "Label", calc::kFirstResultLabel + k);
  }
  connect(Numbered<QPushButton>(built, "Command", 2), &QPushButton::clicked, this,
          &Form1::Calculate);
  connect(Numbered<QPushButton>(built, "Command", 1), &QPushButton::clicked, this,
          [] { QCoreApplication::exit(EXIT_SUCCESS); });

  actions_ = AddWindowActions(*this);
  connect(actions_.plan, &QAction::triggered, this, &Form1::OpenPlan);
  connect(actions_.copy, &QAction::triggered, this, &Form1::CopyResults);
  ExtendFieldMenus(fields_, actions_);
  LinkTurns(last_in_ring);
  result_marks_.SetVerdictHint(VerdictHint(actions_.plan->shortcut()));
  for (QLineEdit* field : fields_) connect(field, &QLineEdit::textChanged, this, &Form1::ShowStale);
  connect(&keeper_, &SettingsKeeper::Changed, this, &Form1::ShowHints);
}

// The turns, while they are links, come after every control of the ring and open the plan.
void Form1::LinkTurns(QWidget* last_in_ring) {
  const auto turns = result_marks_.Turns();
  // Qt chains widgets reliably only while they take the focus by Tab.
  for (ResultLabel* label : turns) label->setFocusPolicy(Qt::TabFocus);
  for (ResultLabel* label : turns) {
    QWidget::setTabOrder(last_in_ring, label);
    last_in_ring = label;
    connect(label, &ResultLabel::Activated, this, &Form1::OpenPlan);
  }
  for (ResultLabel* label : turns) label->setFocusPolicy(Qt::NoFocus);
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
  WindowMenu(*this, childAt(event->pos()), actions_)->popup(event->globalPos());
  event->accept();
}

Form1::~Form1() { delete plan_window_; }

void Form1::Calculate() {
  std::array<QByteArray, 9> utf8;
  calc::InputTexts texts;
  for (std::size_t k = 0; k < fields_.size(); ++k) {
    last_inputs_[k] = fields_[k]->text();
    utf8[k] = last_inputs_[k].toUtf8();
    texts[k] = std::string_view(utf8[k].constData(), static_cast<std::size_t>(utf8[k].size()));
  }
  try {
    ShowResults(calculator_.CalculateInWords(texts));
  } catch (const std::exception& failure) {
    report_(this, QStringLiteral("Сбой программы: %1").arg(QString::fromLocal8Bit(failure.what())),
            {});
    QCoreApplication::exit(EXIT_FAILURE);
  }
}

// The press stops where it faulted and the labels keep what it wrote; the user can go on.
void Form1::ShowResults(const account::Press& press) {
  for (std::size_t k = 0; k < results_.size(); ++k) {
    if (press.labels.written(k)) results_[k]->ShowResult(FromUtf8(press.labels.text(k)));
  }
  std::array<QString, 9> words;
  for (std::size_t k = 0; k < words.size(); ++k) words[k] = FromUtf8(press.field_words[k]);
  marks_.Show(words);
  result_marks_.ShowRun(FromUtf8(press.coefficient_words), FromUtf8(press.capacity_words));
  account::Follow(press, planned_);
  ShowHints();
  if (plan_window_ != nullptr && plan_window_->isVisible()) plan_window_->Follow(press);
  ShowStale();
  if (press.fault) report_(this, FromUtf8(press.fault_message), FromUtf8(press.fault_words));
}

// Results that no longer match the fields look stale until the next press, in the plan window
// too.
void Form1::ShowStale() {
  if (calculator_.press().end == account::End::NotYet) return;
  bool edited = false;
  for (std::size_t k = 0; k < fields_.size(); ++k) {
    edited = edited || fields_[k]->text() != last_inputs_[k];
  }
  result_marks_.ShowStale(edited);
  if (plan_window_ != nullptr) plan_window_->ShowStale(edited);
}

// Before the first press, the fields' texts stand for the inputs.
account::Press Form1::LastPress() const {
  account::Press press = calculator_.press();
  if (press.end == account::End::NotYet) {
    for (std::size_t k = 0; k < fields_.size(); ++k)
      press.inputs[k] = fields_[k]->text().toStdString();
  }
  return press;
}

// The plan window costs nothing until the user first asks for it.
void Form1::OpenPlan() {
  if (plan_window_ == nullptr) plan_window_ = new PlanWindow(keeper_, this);
  plan_window_->Follow(LastPress());
  ShowStale();
  plan_window_->show();
  plan_window_->raise();
  plan_window_->activateWindow();
}

void Form1::CopyResults() {
  const std::string marks = account::TurnMarkWords(planned_, account::kPlanWindowPlace);
  QGuiApplication::clipboard()->setText(FromUtf8(account::ResultsText(LastPress(), marks)));
}

// The settings are read only after a press that fits, so start-up never touches them.
void Form1::ShowHints() {
  QString verdict = VerdictHint(actions_.plan->shortcut());
  std::vector<std::string> wires;
  if (planned_.input) {
    account::Replan(keeper_.Taken(), keeper_.Refusal().toStdString(), account::Turns::Calculated,
                    planned_);
    verdict += QLatin1Char('\n') + FromUtf8(account::CalculatedCheckWords(planned_));
    wires = account::WireWords(planned_);
  }
  result_marks_.SetVerdictHint(verdict.trimmed());
  result_marks_.ShowTurnMarks(
      FromUtf8(account::TurnMarkWords(planned_, account::kPlanWindowPlace)));
  for (std::size_t j = 0; j < kDiameterResults; ++j) {
    const QString hint = j < wires.size() ? FromUtf8(wires[j]) : QString();
    ResultLabel* label = results_[kFirstDiameterResult + j];
    label->setToolTip(hint);
    label->setAccessibleDescription(hint);
  }
}

}  // namespace ui
