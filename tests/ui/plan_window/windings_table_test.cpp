// The windings table of the plan window: rows kept as typed, marks where the engine finds a value
// out of bounds, and the figures following the design of all windings.
#include <memory>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/common/field_marks.h"
#include "window_driver.h"

namespace {

QTableWidget* Table(const QWidget& window) {
  return window.findChild<QTableWidget*>(QStringLiteral("windingsTable"));
}

// The table's columns: U, I, kind and the row's removal.
int ColumnOf(const char* name) {
  const QString column = QString::fromLatin1(name);
  for (int k = 0; const char* known : {"windingU", "windingI", "windingKind", "removeWinding"}) {
    if (column == QLatin1String(known)) return k;
    ++k;
  }
  return -1;
}

template <typename Widget>
Widget* RowWidget(const QWidget& window, const char* name, int row) {
  return qobject_cast<Widget*>(Table(window)->cellWidget(row, ColumnOf(name)));
}

QLineEdit* Cell(const QWidget& window, const char* name, int row) {
  return RowWidget<QLineEdit>(window, name, row);
}

// The cell a figure table shows on the row captioned `caption`, column `column`.
QString Figure(const QWidget& window, const char* table_name, const QString& caption, int column) {
  const auto* table = window.findChild<QTableWidget*>(QString::fromLatin1(table_name));
  for (int row = 0; row < table->rowCount(); ++row) {
    if (table->verticalHeaderItem(row)->text() == caption) return table->item(row, column)->text();
  }
  return QStringLiteral("<no row>");
}

QString Text(const QWidget& window, const char* name) {
  return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

using WindingsTable = ValvePlanTest;

TEST_F(WindingsTable, FirstRowMirrorsTheMainWindowAndOnlyItsKindIsChosenHere) {
  EXPECT_EQ(Cell(*plan_, "windingU", 0)->text(), QStringLiteral("500"));
  EXPECT_EQ(Cell(*plan_, "windingI", 0)->text(), QStringLiteral("0.1"));
  EXPECT_TRUE(Cell(*plan_, "windingU", 0)->isReadOnly());
  EXPECT_EQ(RowWidget<QComboBox>(*plan_, "windingKind", 0)->itemText(3),
            QStringLiteral("средняя точка, ёмкость"));
  EXPECT_FALSE(plan_->AllWindings());
}

// The valve amplifier's figures in the window's tables, as the design of all windings gives them.
TEST_F(WindingsTable, ValveAmplifierShowsTheFiguresOfAllWindings) {
  DescribeValveAmplifier(*plan_);
  ASSERT_TRUE(plan_->AllWindings());
  EXPECT_TRUE(Text(*plan_, "powerLine").contains(QStringLiteral("Pt = 82.6 Вт")));
  EXPECT_EQ(Figure(*plan_, "secondaries", QStringLiteral("Число витков"), 0),
            QStringLiteral("1192"));
  EXPECT_EQ(Figure(*plan_, "secondaries", QStringLiteral("Отвод после витка"), 0),
            QStringLiteral("596"));
  EXPECT_EQ(Figure(*plan_, "secondaries", QStringLiteral("Число витков"), 2), QStringLiteral("32"));
  EXPECT_EQ(Figure(*plan_, "check", QStringLiteral("Постоянное напряжение Udc, В"), 0),
            QStringLiteral("304.03"));
  EXPECT_EQ(Figure(*plan_, "check", QStringLiteral("Действующий ток обмотки, А"), 0),
            QStringLiteral("0.156"));
  EXPECT_EQ(Figure(*plan_, "check", QStringLiteral("Пиковый ток обмотки, А"), 0),
            QStringLiteral("0.61"));
  EXPECT_EQ(Figure(*plan_, "refinedSecondaries", QStringLiteral("Уточненное число витков"), 0),
            QStringLiteral("1462"));
  EXPECT_EQ(Figure(*plan_, "refinedSecondaries", QStringLiteral("Постоянное напряжение Udc, В"), 0),
            QStringLiteral("338.62"));
  EXPECT_TRUE(
      Text(*plan_, "checkVerdicts").contains(QStringLiteral("ток обмотки при выпрямителе")));
  EXPECT_TRUE(Table(*plan_)->horizontalHeaderItem(1)->text().contains(QStringLiteral("Iпост, А")));
}

// A half-typed or odd text stays in its row; the engine's bounds mark the cell and say why.
TEST_F(WindingsTable, OutOfBoundsCellIsMarkedAndEveryKeystrokeKeepsTheRow) {
  AddWinding(*plan_, "6.3", "2");
  QLineEdit* voltage = Cell(*plan_, "windingU", 1);
  voltage->selectAll();
  QTest::keyClicks(voltage, QStringLiteral("0"));
  EXPECT_TRUE(ui::FieldMarks::IsMarked(*voltage));
  EXPECT_TRUE(voltage->toolTip().contains(QStringLiteral("2-я вторичная")));
  EXPECT_TRUE(Text(*plan_, "powerLine").contains(QStringLiteral("вне границ")));
  QTest::keyClicks(voltage, QStringLiteral(",x"));
  EXPECT_EQ(voltage->text(), QStringLiteral("0,x"));
  EXPECT_TRUE(ui::FieldMarks::IsMarked(*voltage));
  EXPECT_EQ(Cell(*plan_, "windingI", 1)->text(), QStringLiteral("2"));
  QTest::keyClick(voltage, Qt::Key_Backspace);
  QTest::keyClicks(voltage, QStringLiteral("5"));
  EXPECT_FALSE(ui::FieldMarks::IsMarked(*voltage));
}

TEST_F(WindingsTable, RemovingARowKeepsTheOthersAndSevenAreTheMost) {
  AddWinding(*plan_, "6.3", "2");
  AddWinding(*plan_, "5", "3");
  AddWinding(*plan_, "12", "1");
  RowWidget<QPushButton>(*plan_, "removeWinding", 2)->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(Cell(*plan_, "windingU", 1)->text(), QStringLiteral("6.3"));
  EXPECT_EQ(Cell(*plan_, "windingU", 2)->text(), QStringLiteral("12"));
  EXPECT_EQ(Cell(*plan_, "windingI", 2)->text(), QStringLiteral("1"));
  for (int k = 0; k < 5; ++k) AddWinding(*plan_, "1", "1");
  EXPECT_FALSE(plan_->findChild<QPushButton*>(QStringLiteral("addWinding"))->isEnabled());
}

// The rows and the diode drop come back in the next session.
TEST_F(WindingsTable, RowsAndDiodeDropAreKeptForTheNextSession) {
  DescribeValveAmplifier(*plan_);
  auto* diode = plan_->findChild<QLineEdit*>(QStringLiteral("diode"));
  diode->selectAll();
  QTest::keyClicks(diode, QStringLiteral("0.7"));
  window_.reset();
  auto next = std::make_unique<ui::Form1>([](QWidget*, const QString&, const QString&) {});
  next->show();
  Calculate(*next, kValveAmplifier);
  ui::PlanWindow* plan = OpenPlan(*next);
  EXPECT_EQ(RowWidget<QComboBox>(*plan, "windingKind", 0)->currentIndex(), 3);
  EXPECT_EQ(Cell(*plan, "windingU", 2)->text(), QStringLiteral("5"));
  EXPECT_EQ(plan->findChild<QLineEdit*>(QStringLiteral("diode"))->text(), QStringLiteral("0.7"));
  EXPECT_TRUE(plan->AllWindings());
}

}  // namespace

namespace {

// The start input fits its core, but not with a 100 V 5 A winding beside it.
TEST_F(WindingsTable, VerdictTooltipSaysWhenTheCoreFitsTheMainSecondaryAloneButNotAll) {
  Calculate(*window_, kStartInputs);
  AddWinding(*plan_, "100", "5");
  Calculate(*window_, kStartInputs);
  const QString hint = window_->findChild<QLabel*>(QStringLiteral("Label33"))->toolTip();
  EXPECT_TRUE(hint.contains(QStringLiteral("не для всех обмоток вместе (Pt = 518 Вт)")));
}

}  // namespace
