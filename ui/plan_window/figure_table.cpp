#include "ui/plan_window/figure_table.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

#include "ui/common/theme_tint.h"
#include "ui/common/utf8.h"

namespace ui {

QTableWidget* MakeFigureTable(QWidget* parent, const QString& name, const QString& accessible) {
  auto* table = new QTableWidget(parent);
  table->setObjectName(name);
  table->setAccessibleName(accessible);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  return table;
}

// As tall as its rows: no empty space below the last.
void ShowFigureTable(QTableWidget& widget, const account::Table& table) {
  QStringList headings;
  for (const std::string& heading : table.headings) headings << FromUtf8(heading);
  QStringList captions;
  for (const account::Row& row : table.rows) captions << FromUtf8(row.caption);
  widget.setColumnCount(static_cast<int>(headings.size()));
  widget.setHorizontalHeaderLabels(headings);
  widget.setRowCount(static_cast<int>(table.rows.size()));
  const QColor flagged = Tinted(widget.palette().color(QPalette::Base), kFlagHue);
  for (int r = 0; r < widget.rowCount(); ++r) {
    const account::Row& row = table.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < widget.columnCount(); ++c) {
      const account::Cell& cell = row.cells[static_cast<std::size_t>(c)];
      auto* item = new QTableWidgetItem(FromUtf8(cell.text));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (cell.flagged) item->setBackground(flagged);
      widget.setItem(r, c, item);
    }
  }
  widget.setVerticalHeaderLabels(captions);
  widget.resizeRowsToContents();
  widget.setFixedHeight(widget.horizontalHeader()->sizeHint().height() +
                        widget.verticalHeader()->length() + 2 * widget.frameWidth());
  widget.setVisible(!table.rows.empty());
}

}  // namespace ui
