#pragma once

#include <QColor>
#include <QString>

#include "account/tables.h"

class QTableWidget;
class QWidget;

namespace ui {

/// Red, mixed into the theme's colours where a figure is flagged or a plan does not fit.
inline const QColor kFlagHue(220, 0, 0);

/// A read-only table of figures, a column for each winding or design, as tall as its rows.
QTableWidget* MakeFigureTable(QWidget* parent, const QString& name, const QString& accessible);

/// Shows the account's `table`: its headings, rows and flagged cells; hidden when it has none.
void ShowFigureTable(QTableWidget& widget, const account::Table& table);

}  // namespace ui
