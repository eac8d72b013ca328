#include "ui/plan_window/windings_page.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "account/several_windings.h"
#include "ui/common/field_marks.h"
#include "ui/common/utf8.h"

namespace ui {

namespace {

enum Column { kVoltage, kCurrent, kKind, kRemove, kColumns };

constexpr int kFieldsOfFirst[] = {2, 3};  // Text3 and Text4: U2 and I2

QString RowName(int row) { return QStringLiteral("%1-я вторичная").arg(row + 1); }

QString Words(windings::Kind kind) { return FromUtf8(account::KindWords(kind)); }

// Why secondary `row` is out of bounds, in the words the design gives.
QString OutOfBoundsWords(int row) {
  windings::Outcome outcome;
  outcome.design.out_of_bounds = static_cast<std::size_t>(row) + 1;
  return FromUtf8(account::DesignReason(outcome));
}

}  // namespace

WindingsPage::WindingsPage(SettingsKeeper& keeper, QWidget* parent)
    : QWidget(parent), keeper_(keeper) {
  auto* column = new QVBoxLayout(this);
  table_ = new QTableWidget(0, kColumns, this);
  table_->setObjectName(QStringLiteral("windingsTable"));
  table_->setAccessibleName(QStringLiteral("Обмотки"));
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The kinds are a row's longest words: U and I get room for their captions, the kind the rest.
  QHeaderView* header = table_->horizontalHeader();
  const int figures = header->fontMetrics().horizontalAdvance(QStringLiteral("Iпост, А / I, А"));
  header->resizeSection(kVoltage, figures * 2 / 3 + 16);
  header->resizeSection(kCurrent, figures + 16);
  header->setSectionResizeMode(kKind, QHeaderView::Stretch);
  header->setSectionResizeMode(kRemove, QHeaderView::ResizeToContents);
  column->addWidget(table_, 1);
  add_ = new QPushButton(QStringLiteral("Добавить"), this);
  add_->setObjectName(QStringLiteral("addWinding"));
  add_->setAccessibleName(QStringLiteral("Добавить обмотку"));
  add_->setAutoDefault(false);
  connect(add_, &QPushButton::clicked, this, &WindingsPage::AddRow);
  column->addWidget(add_, 0, Qt::AlignLeft);
  reason_ = new QLabel(this);
  reason_->setObjectName(QStringLiteral("windingsReason"));
  reason_->setAccessibleName(QStringLiteral("Расчет по всем обмоткам"));
  reason_->setWordWrap(true);
  reason_->setTextFormat(Qt::PlainText);
  reason_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  column->addWidget(reason_);
  connect(&keeper_, &SettingsKeeper::Replaced, this, &WindingsPage::Rebuild);
  Rebuild();
}

// Every row from what the keeper holds: a row removed or added is never half shown.
void WindingsPage::Rebuild() {
  const WindingRows& rows = keeper_.Rows();
  const int count = 1 + static_cast<int>(rows.further.size());
  table_->setRowCount(count);
  for (int row = 0; row < count; ++row) {
    table_->setVerticalHeaderItem(row, new QTableWidgetItem(RowName(row)));
    const WindingRow* further = row == 0 ? nullptr : &rows.further[row - 1];
    for (const int column : {kVoltage, kCurrent}) {
      auto* cell = new QLineEdit(table_);
      cell->setObjectName(column == kVoltage ? QStringLiteral("windingU")
                                             : QStringLiteral("windingI"));
      cell->setProperty("row", row);
      if (further == nullptr) {
        cell->setReadOnly(true);
        cell->setToolTip(QStringLiteral("Задается в главном окне"));
        cell->setText(FromUtf8(press_.inputs[kFieldsOfFirst[column]]));
      } else {
        cell->setText(column == kVoltage ? further->voltage : further->current);
        connect(cell, &QLineEdit::textChanged, this,
                [this, row, column](const QString& text) { SetText(row, column, text); });
      }
      table_->setCellWidget(row, column, cell);
    }
    auto* kind = new QComboBox(table_);
    kind->setObjectName(QStringLiteral("windingKind"));
    kind->setProperty("row", row);
    kind->setAccessibleName(QStringLiteral("Вид: %1").arg(RowName(row)));
    for (std::size_t k = 0; k < windings::kKinds.size(); ++k) {
      kind->addItem(Words(static_cast<windings::Kind>(k)));
    }
    kind->setCurrentIndex(static_cast<int>(further == nullptr ? rows.first : further->kind));
    connect(kind, &QComboBox::currentIndexChanged, this,
            [this, row](int index) { SetKind(row, index); });
    table_->setCellWidget(row, kKind, kind);
    if (further != nullptr) {
      auto* remove = new QPushButton(QStringLiteral("Удалить"), table_);
      remove->setObjectName(QStringLiteral("removeWinding"));
      remove->setProperty("row", row);
      remove->setAccessibleName(QStringLiteral("Удалить: %1").arg(RowName(row)));
      remove->setAutoDefault(false);
      connect(remove, &QPushButton::clicked, this, [this, row] { RemoveRow(row); });
      table_->setCellWidget(row, kRemove, remove);
    } else {
      table_->removeCellWidget(row, kRemove);
    }
  }
  add_->setEnabled(count < static_cast<int>(windings::kMaxSecondaries));
  ShowCaptions();
  ShowMarks();
}

void WindingsPage::AddRow() {
  WindingRows rows = keeper_.Rows();
  if (rows.further.size() + 1 >= windings::kMaxSecondaries) return;
  rows.further.push_back({});
  keeper_.SetRows(rows);
  Rebuild();
  table_->cellWidget(table_->rowCount() - 1, kVoltage)->setFocus();
}

void WindingsPage::RemoveRow(int row) {
  WindingRows rows = keeper_.Rows();
  rows.further.erase(rows.further.begin() + (row - 1));
  keeper_.SetRows(rows);
  Rebuild();
}

void WindingsPage::SetKind(int row, int index) {
  WindingRows rows = keeper_.Rows();
  const auto kind = static_cast<windings::Kind>(index);
  (row == 0 ? rows.first : rows.further[row - 1].kind) = kind;
  keeper_.SetRows(rows);
  ShowCaptions();
  ShowMarks();
}

void WindingsPage::SetText(int row, int column, const QString& text) {
  WindingRows rows = keeper_.Rows();
  WindingRow& changed = rows.further[row - 1];
  (column == kVoltage ? changed.voltage : changed.current) = text;
  keeper_.SetRows(rows);
  ShowMarks();
}

// The current column is titled for the kinds its rows have; each cell says its own.
void WindingsPage::ShowCaptions() {
  const WindingRows& rows = keeper_.Rows();
  QStringList captions;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const windings::Kind kind = row == 0 ? rows.first : rows.further[row - 1].kind;
    const QString caption = FromUtf8(account::CurrentCaption(kind));
    if (!captions.contains(caption)) captions.append(caption);
    table_->cellWidget(row, kCurrent)
        ->setAccessibleName(QStringLiteral("%1: %2").arg(caption, RowName(row)));
    table_->cellWidget(row, kVoltage)
        ->setAccessibleName(QStringLiteral("U, В: %1").arg(RowName(row)));
  }
  table_->setHorizontalHeaderLabels({QStringLiteral("U, В"), captions.join(QStringLiteral(" / ")),
                                     QStringLiteral("Вид"), QString()});
}

void WindingsPage::Show(const account::Press& press, const windings::Outcome& outcome) {
  press_ = press;
  outcome_ = &outcome;
  for (const int column : {kVoltage, kCurrent}) {
    static_cast<QLineEdit*>(table_->cellWidget(0, column))
        ->setText(FromUtf8(press_.inputs[kFieldsOfFirst[column]]));
  }
  ShowMarks();
}

// A cell is marked when the engine finds its number out of bounds: a text that is not a number
// reads as none.
void WindingsPage::ShowMarks() {
  const WindingRows& rows = keeper_.Rows();
  const bool asks = AsksAllWindings(rows);
  calc::InputTexts texts;
  for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = press_.inputs[k];
  const std::vector<windings::Secondary> secondaries =
      windings::Secondaries(texts, RequestOf(rows));
  // While a row is removed the table still shows it: mark only the rows the keeper holds.
  const int rows_held = std::min(table_->rowCount(), static_cast<int>(secondaries.size()));
  for (int row = 0; row < rows_held; ++row) {
    const windings::Secondary& given = secondaries[static_cast<std::size_t>(row)];
    for (const int column : {kVoltage, kCurrent}) {
      auto* cell = static_cast<QLineEdit*>(table_->cellWidget(row, column));
      windings::Secondary alone{1, 1, given.kind};
      (column == kVoltage ? alone.voltage : alone.current) =
          column == kVoltage ? given.voltage : given.current;
      const bool unread = row > 0 && !CellNumber(cell->text());
      if (asks && (unread || !windings::InBounds(alone))) {
        MarkField(*cell, unread ? QStringLiteral("«%1» — не число").arg(cell->text())
                                : OutOfBoundsWords(row));
      } else {
        UnmarkField(*cell);
        if (row == 0) cell->setToolTip(QStringLiteral("Задается в главном окне"));
      }
    }
  }
  if (!asks) {
    reason_->setText(
        QStringLiteral("Одна вторичная обмотка: план и проверка — по основному "
                       "расчету. Добавьте обмотку или выберите вид, чтобы "
                       "рассчитать все обмотки вместе."));
    return;
  }
  if (outcome_ == nullptr) return reason_->clear();
  const QString line = FromUtf8(account::PowerLine(*outcome_));
  const QString reason = FromUtf8(account::DesignReason(*outcome_));
  reason_->setText(reason.isEmpty() ? line : line.isEmpty() ? reason : line + '\n' + reason);
}

}  // namespace ui
