#include <ios>
#include <memory>
#include <string>
#include <vector>

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "../plan/test_support.h"
#include "qt_test_app.h"
#include "ui/plan_window/copied_plan.h"
#include "ui/plan_window/winding_sheet.h"
#include "window_driver.h"

namespace {

QString Text(const QWidget& window, const char* name) {
  const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
  return label == nullptr ? QStringLiteral("<none>") : label->text();
}

// The windings' figures as the table shows them, row by row from the bare diameter on: the
// primary's, then the secondary's.
std::vector<std::string> TableFigures(const ui::PlanWindow& window) {
  const auto* table = window.findChild<QTableWidget*>(QStringLiteral("windings"));
  std::vector<std::string> figures;
  for (int column = 0; column < 2; ++column) {
    for (int row = 1; row < table->rowCount(); ++row) {
      if (row == 3) continue;  // the turns, a result of the run
      figures.push_back(table->item(row, column)->text().toStdString());
    }
  }
  return figures;
}

// The batch tool's winding fields of a plan made straight from the engine.
std::vector<std::string> EngineFigures(const Inputs& inputs, const plan::Settings& settings) {
  calc::CalculatorState record;
  plan::FitWatch display;
  calc::InputTexts texts;
  for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = inputs[k];
  calc::CalculateDesign(record, texts, display);
  const std::vector<std::string> fields =
      plan::PlanFields(plan::MakePlan(plan::ReadRun(record), settings));
  return {fields.begin() + 4, fields.end()};
}

class PlanWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override { window_->show(); }

  void SetSetting(const char* name, const char* text) {
    plan_->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
  }

  // Picks the run's own turns in the switch above the plan, as the user does with the keyboard.
  void UseCalculatedTurns() {
    auto* turns = plan_->findChild<QComboBox*>(QStringLiteral("turns"));
    QTest::keyClick(turns, Qt::Key_Home);
    ASSERT_EQ(plan_->Planned().turns, ui::Turns::Calculated);
  }

  std::unique_ptr<ui::Form1> window_ = QuietWindow();
  ui::PlanWindow* plan_ = nullptr;
};

TEST_F(PlanWindowTest, IsMadeOnlyWhenFirstOpened) {
  Calculate(*window_, kStartInputs);
  EXPECT_EQ(window_->findChild<ui::PlanWindow*>(), nullptr);
  plan_ = OpenPlan(*window_);
  ASSERT_NE(plan_, nullptr);
  EXPECT_TRUE(plan_->isVisible());
  EXPECT_TRUE(plan_->isWindow());
  EXPECT_EQ(plan_->windowTitle(), "План намотки и проверка");
}

TEST_F(PlanWindowTest, ShowsTheEnginesFiguresForTheStartInputs) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  UseCalculatedTurns();
  EXPECT_EQ(Text(*plan_, "verdict"), "✔ Помещается");
  EXPECT_EQ(Text(*plan_, "fill"), "7.4");
  EXPECT_EQ(Text(*plan_, "depth"), "2.61");
  EXPECT_EQ(Text(*plan_, "holeLeft"), "64.8");
  const std::vector<std::string> shown = TableFigures(*plan_);
  EXPECT_EQ(shown, EngineFigures(kStartInputs, {}));
  // As worked out by hand for the primary: 981 turns a layer, 82.59 m, 55.961 Ω.
  EXPECT_EQ(shown[2], "981");
  EXPECT_EQ(shown[5], "82.59");
  EXPECT_EQ(shown[6], "55.961");
  const auto* table = plan_->findChild<QTableWidget*>(QStringLiteral("windings"));
  EXPECT_EQ(table->item(0, 0)->text(), "стандартный");
  EXPECT_EQ(table->item(3, 0)->text(), "562");
  EXPECT_EQ(table->item(3, 1)->text(), "50");
}

TEST_F(PlanWindowTest, FollowsEachCalculate) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  UseCalculatedTurns();
  Calculate(*window_, kTightShell);
  EXPECT_EQ(Text(*plan_, "verdict"), "⚠ Помещается впритык");
  EXPECT_EQ(Text(*plan_, "fill"), "98.2");
  EXPECT_FALSE(plan_->findChild<QLabel*>(QStringLiteral("holeLeft"))->isVisible());
  EXPECT_EQ(TableFigures(*plan_), EngineFigures(kTightShell, {}));
  Calculate(*window_, kStartInputs);
  EXPECT_EQ(Text(*plan_, "fill"), "7.4");
}

struct NoPlanCase {
  const char* name;
  std::vector<Inputs> presses;  // before the plan window is opened
  const char* reason;           // how the window's words begin after «ℹ Плана нет. »
};

void PrintTo(const NoPlanCase& c, std::ostream* os) { *os << c.name; }

// clang-format off
const NoPlanCase kNoPlanCases[] = {
    {"NoRunYet", {}, "Расчета еще не было"},
    {"CoreDoesNotFit", {{"3", "220", "12", "1.5", "1", "1", "2", "2", "0.2"}},
     "Сердечник не подходит («Неподходит»)"},
    {"RunFaulted", {{"3", "220", "12", "0.1", "2", "5", "7", "12", "0.2"}},
     "Последний расчет остановился с ошибкой"},
    {"FormOutsideOneToThree", {kStartInputs, {"4", "220", "12", "1.5", "2", "5", "7", "12", "0.2"}},
     "Форма сердечника 4 — не 1, 2 и не 3"},
    {"CoreTooLarge", {{"3", "220", "12", "1.5", "2", "5", "2000", "12", "0.2"}},
     "Размеры сердечника a, b, c (и h у броневых) должны быть больше 0 и не больше 1000 см"},
    {"WireThickerThanFiveMillimetres", {{"3", "220", "12", "150", "10", "10", "20", "12", "0.2"}},
     "Для вторичной обмотки нужен провод диаметром"},
    {"LayerHoldsNoTurn", {{"1", "220", "12", "1.5", "5", "5", "10", "0.2", "0.35"}},
     "В слой не ложится ни одного витка"},
    // The coefficients carried from the first press let the second fit without a load.
    {"NoLoadCurrent", {kStartInputs, {"3", "220", "12", "0", "2", "5", "7", "12", "0.2"}},
     "Ток нагрузки I2 должен быть больше 0"},
};
// clang-format on

class NoPlan : public PlanWindowTest, public testing::WithParamInterface<NoPlanCase> {};

TEST_P(NoPlan, SaysWhyAndOffersNothingToSave) {
  for (const Inputs& inputs : GetParam().presses) Calculate(*window_, inputs);
  plan_ = OpenPlan(*window_);
  const QString shown = Text(*plan_, "verdict");
  EXPECT_TRUE(
      shown.startsWith(QStringLiteral("ℹ Плана нет. ") + QString::fromUtf8(GetParam().reason)))
      << shown.toStdString();
  EXPECT_FALSE(plan_->Planned().HasPlan());
  for (const char* button : {"savePdf", "print", "copyPlan"}) {
    EXPECT_FALSE(plan_->findChild<QWidget*>(QString::fromLatin1(button))->isEnabled()) << button;
  }
  EXPECT_FALSE(plan_->findChild<QTableWidget*>(QStringLiteral("windings"))->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Reasons, NoPlan, testing::ValuesIn(kNoPlanCases),
                         [](const testing::TestParamInfo<NoPlanCase>& info) {
                           return info.param.name;
                         });

bool CommandsEnabled(const ui::PlanWindow& window) {
  bool enabled = true;
  for (const char* button : {"savePdf", "print", "copyPlan"}) {
    enabled = enabled && window.findChild<QWidget*>(QString::fromLatin1(button))->isEnabled();
  }
  return enabled;
}

TEST_F(PlanWindowTest, RefusedSettingBlanksTheFiguresAndSaysWhichAndWhy) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  for (const char* bad : {"abc", "-1", "100.5", "", "1,0,0", "200"}) {
    SCOPED_TRACE(bad);
    SetSetting("bobbin", bad);
    EXPECT_TRUE(Text(*plan_, "bobbinMessage").startsWith("Толщина каркаса должна быть числом"));
    EXPECT_TRUE(Text(*plan_, "verdict")
                    .startsWith(QStringLiteral(
                        "ℹ Плана нет. Настройка не принята: Толщина каркаса должна быть")));
    EXPECT_FALSE(plan_->Planned().HasPlan());
    EXPECT_EQ(plan_->Planned().settings.bobbin, 1.0);
    EXPECT_FALSE(plan_->findChild<QTableWidget*>(QStringLiteral("windings"))->isVisibleTo(plan_));
    EXPECT_FALSE(plan_->findChild<QTableWidget*>(QStringLiteral("check"))->isVisibleTo(plan_));
    EXPECT_FALSE(CommandsEnabled(*plan_));
    const auto* field = plan_->findChild<QLineEdit*>(QStringLiteral("bobbin"));
    EXPECT_EQ(field->accessibleDescription(), Text(*plan_, "bobbinMessage"));
  }
  SetSetting("bobbin", "1");
  EXPECT_TRUE(Text(*plan_, "bobbinMessage").isEmpty());
  EXPECT_EQ(Text(*plan_, "fill"), "7.4");
  EXPECT_TRUE(CommandsEnabled(*plan_));
}

// "200" passes through "2" and "20": the plan must end on no figures, not on 20 mm.
TEST_F(PlanWindowTest, ValueRefusedAfterAcceptedStepsLeavesNoStalePlan) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  auto* field = plan_->findChild<QLineEdit*>(QStringLiteral("bobbin"));
  field->clear();
  QTest::keyClicks(field, QStringLiteral("200"));
  EXPECT_FALSE(plan_->Planned().HasPlan());
  EXPECT_FALSE(CommandsEnabled(*plan_));
  EXPECT_TRUE(Text(*plan_, "fill").isEmpty() ||
              !plan_->findChild<QLabel*>(QStringLiteral("fill"))->isVisibleTo(plan_));
  QTest::keyClick(field, Qt::Key_Backspace);  // "20", accepted again
  EXPECT_TRUE(plan_->Planned().HasPlan());
  EXPECT_EQ(plan_->Planned().settings.bobbin, 20.0);
}

struct OwnWireCase {
  const char* text;
  const char* shown;  // on the sheet and in the copied plan; "" for refused
};

// Every figure the copied plan and the sheet give is a plain finite number: no "inf", "nan",
// and none of the uninitialised bytes that an unchecked conversion left.
void ExpectPlainFigures(const QString& text) {
  for (const QChar c : text) {
    EXPECT_TRUE(c.isPrint() || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
        << "U+" << std::hex << static_cast<int>(c.unicode());
  }
  EXPECT_FALSE(text.contains(QStringLiteral("inf")));
  EXPECT_FALSE(text.contains(QStringLiteral("nan")));
}

// An own wire is 0.01 … 10 mm: 1e-31 printed garbage and a 63-digit resistance, 1e-200 an
// infinite resistance.
TEST_F(PlanWindowTest, OwnWireIsBoundedAndItsPlanPrintsPlainly) {
  const OwnWireCase cases[] = {{"1e-31", ""},    {"1e-200", ""}, {"10.0001", ""},   {"0.0099", ""},
                               {"0.01", "0.01"}, {"10", "10"},   {"0,0100", "0.01"}};
  Calculate(*window_, kTightShell);  // a shell: even a 10 mm wire lies in its layers
  plan_ = OpenPlan(*window_);
  for (const OwnWireCase& c : cases) {
    SCOPED_TRACE(c.text);
    SetSetting("ownWire2", c.text);
    const bool refused = *c.shown == 0;
    EXPECT_EQ(
        Text(*plan_, "ownWire2Message")
            .startsWith(
                "Диаметр своего провода вторичной обмотки должен быть числом от 0.01 до 10 мм"),
        refused);
    EXPECT_EQ(plan_->Planned().settings.own_wire[1].has_value(), !refused);
    // A refused wire blanks the plan: nothing is printed or copied for a wire not accepted.
    const QString own = refused ? QStringLiteral("Настройка не принята: Диаметр своего провода")
                                : QStringLiteral("Диаметр своего провода вторичной обмотки\t%1 мм")
                                      .arg(QString::fromLatin1(c.shown));
    EXPECT_EQ(plan_->Planned().HasPlan(), !refused);
    const QString copied = ui::PlanText(plan_->Planned());
    EXPECT_TRUE(copied.contains(own)) << copied.toStdString();
    ExpectPlainFigures(copied);
    QImage page(QSize(2000, 2800), QImage::Format_RGB32);
    const QString sheet = ui::SheetText(plan_->Planned(), &page, page.size())->toPlainText();
    EXPECT_TRUE(sheet.contains(QString(own).replace(QLatin1Char('\t'), QLatin1Char('\n'))));
    ExpectPlainFigures(sheet);
    SetSetting("ownWire2", "");
  }
}

TEST_F(PlanWindowTest, GoodSettingChangesThePlanAtOnce) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  UseCalculatedTurns();
  SetSetting("bobbin", "2,5");
  SetSetting("between", "0.5");
  plan::Settings settings;
  settings.bobbin = 2.5;
  settings.between = 0.5;
  EXPECT_EQ(plan_->Planned().settings, settings);
  EXPECT_EQ(TableFigures(*plan_), EngineFigures(kStartInputs, settings));
  const plan::Plan expected =
      plan::MakePlan(plan::ReadRun([] {
                       calc::CalculatorState record;
                       plan::FitWatch display;
                       calc::CalculateDesign(
                           record, {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"}, display);
                       return record;
                     }()),
                     settings);
  EXPECT_EQ(Text(*plan_, "fill").toStdString(), plan::Shown(expected.fill * 100, 1));
  EXPECT_EQ(Text(*plan_, "holeLeft").toStdString(), plan::Shown(*expected.hole_left, 1));
}

TEST_F(PlanWindowTest, OwnWireStandsInForTheStandardOne) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  UseCalculatedTurns();
  SetSetting("ownWire1", "0.2");
  const auto* table = plan_->findChild<QTableWidget*>(QStringLiteral("windings"));
  EXPECT_EQ(table->item(0, 0)->text(), "свой провод");
  EXPECT_EQ(table->item(0, 1)->text(), "стандартный");
  EXPECT_EQ(table->item(1, 0)->text(), "0.200");
  EXPECT_EQ(table->item(2, 0)->text(), "0.239");  // the enamel of 0.200 mm wire, grade 2
  plan::Settings settings;
  settings.own_wire[0] = 0.2;
  EXPECT_EQ(TableFigures(*plan_), EngineFigures(kStartInputs, settings));
  SetSetting("ownWire1", "  ");
  EXPECT_EQ(table->item(0, 0)->text(), "стандартный");
  EXPECT_EQ(table->item(1, 0)->text(), "0.180");
}

// No empty row below the last: each table is as tall as its rows.
TEST_F(PlanWindowTest, TablesEndAtTheirLastRow) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  for (const char* name : {"windings", "check"}) {
    const auto* table = plan_->findChild<QTableWidget*>(QString::fromLatin1(name));
    EXPECT_EQ(table->height(), table->horizontalHeader()->height() +
                                   table->verticalHeader()->length() + 2 * table->frameWidth())
        << name;
  }
}

// The signs before the verdict are drawn by the window's font, not left as empty boxes.
TEST_F(PlanWindowTest, VerdictSignsAreInTheWindowsFont) {
  plan_ = OpenPlan(*window_);
  const QFontMetrics metrics(plan_->findChild<QLabel*>(QStringLiteral("verdict"))->font());
  for (const char32_t sign : {U'✔', U'⚠', U'✖', U'ℹ'}) {
    EXPECT_TRUE(metrics.inFontUcs4(sign)) << static_cast<unsigned>(sign);
  }
}

TEST_F(PlanWindowTest, GradeChoicesSayWhatTheyMean) {
  plan_ = OpenPlan(*window_);
  const auto* grade = plan_->findChild<QComboBox*>(QStringLiteral("grade"));
  ASSERT_EQ(grade->count(), 2);
  EXPECT_EQ(grade->itemText(0), "1 — тонкая эмаль, как ПЭВ-1 и ПЭТВ-1");
  EXPECT_EQ(grade->itemText(1), "2 — толстая, как ПЭВ-2 и ПЭТВ-2");
}

TEST_F(PlanWindowTest, GradeGivesTheOverallDiameter) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  plan_->findChild<QComboBox*>(QStringLiteral("grade"))->setCurrentIndex(0);
  const auto* table = plan_->findChild<QTableWidget*>(QStringLiteral("windings"));
  EXPECT_EQ(table->item(2, 0)->text(), "0.204");
  EXPECT_EQ(table->item(2, 1)->text(), "0.762");
}

// Controls inside a table or a combo box are named by their owner.
bool IsOwnControl(const QWidget* widget, const QWidget* window) {
  for (const QWidget* up = widget->parentWidget(); up != window; up = up->parentWidget()) {
    if (qobject_cast<const QAbstractScrollArea*>(up) || qobject_cast<const QComboBox*>(up)) {
      return false;
    }
  }
  return true;
}

TEST_F(PlanWindowTest, EveryControlHasAnAccessibleName) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  QSet<const QWidget*> named;
  const auto name_shown_controls = [this, &named] {
    for (QWidget* control : plan_->findChildren<QWidget*>()) {
      const bool control_like =
          control->focusPolicy() != Qt::NoFocus || control->objectName() == "drawing";
      if (!control_like || !IsOwnControl(control, plan_) || !control->isVisible()) continue;
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
      ASSERT_NE(accessible, nullptr);
      EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
          << control->metaObject()->className() << " " << control->objectName().toStdString();
      named.insert(control);
    }
  };
  auto* pages = plan_->findChild<QTabWidget*>(QStringLiteral("pages"));
  for (int page = 0; page < pages->count(); ++page) {  // each page's controls as it is shown
    pages->setCurrentIndex(page);
    name_shown_controls();
  }
  // grade, ten fields, restore, the turns, the tabs, two tables, the drawing, four buttons
  EXPECT_GE(named.size(), 21);
}

TEST_F(PlanWindowTest, FitsASmallScreenAndResizes) {
  plan_ = OpenPlan(*window_);
  EXPECT_LE(plan_->frameGeometry().width(), 1366);
  EXPECT_LE(plan_->frameGeometry().height(), 768 - 40);  // room for a panel
  EXPECT_LT(plan_->minimumSize().width(), plan_->width());
  EXPECT_GT(plan_->maximumSize().width(), plan_->width());
}

TEST_F(PlanWindowTest, CopyPutsThePlanAsTabSeparatedLines) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  UseCalculatedTurns();
  plan_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(plan_));
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(plan_->findChild<QComboBox*>(QStringLiteral("turns")), Qt::Key_C,
                  Qt::ControlModifier | Qt::ShiftModifier);
  const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
  ASSERT_GE(lines.size(), 30);
  EXPECT_EQ(lines.mid(0, 6),
            (QStringList{"План намотки и проверка", "План для\tрасчетные витки: W1 562, W2 50",
                         "Вывод\tПомещается", "Заполнение отверстия кольца по радиусу, %\t7.4",
                         "Глубина намотки от сердечника, мм\t2.61",
                         "Остающееся отверстие кольца, мм\t64.8"}));
  EXPECT_TRUE(lines.contains("\t1-я обмотка\t2-я обмотка"));
  EXPECT_TRUE(lines.contains("Длина провода, м\t82.59\t7.60"));
  EXPECT_TRUE(lines.contains("\tРасчетные витки\tУточненные витки"));
  EXPECT_TRUE(lines.contains("Индукция без нагрузки B0, Тл\t2.002\t1.700"));
  EXPECT_TRUE(lines.contains("Bmax по таблице, Тл\t1.700\t1.700"));
  EXPECT_TRUE(lines.contains("Толщина каркаса\t1 мм"));
  EXPECT_TRUE(lines.contains("Частота сети\t50 Гц"));
  EXPECT_TRUE(lines.contains("Диаметр своего провода вторичной обмотки\tстандартный провод"));
  EXPECT_TRUE(lines.contains("Индукция для уточненных витков\tBmax по таблице"));
  EXPECT_TRUE(lines.contains("Замечания к расчету\tнет"));
}

// As the main window greys its results when its fields are edited after a press.
TEST_F(PlanWindowTest, FiguresLookStaleWhileTheMainWindowsFieldsDiffer) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  const auto* pages = plan_->findChild<QWidget*>(QStringLiteral("pages"));
  const auto* stale = plan_->findChild<QLabel*>(QStringLiteral("stale"));
  const QColor greyed = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
  EXPECT_FALSE(stale->isVisibleTo(plan_));
  auto* u2 = window_->findChild<QLineEdit*>(QStringLiteral("Text3"));
  u2->setText(QStringLiteral("24"));
  EXPECT_TRUE(stale->isVisibleTo(plan_));
  EXPECT_TRUE(stale->text().startsWith(QStringLiteral("Данные в окне расчета изменены")));
  EXPECT_EQ(pages->palette().color(QPalette::Text), greyed);
  u2->setText(QStringLiteral("12"));  // what the press read
  EXPECT_FALSE(stale->isVisibleTo(plan_));
  u2->setText(QStringLiteral("24"));
  window_->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
  EXPECT_FALSE(stale->isVisibleTo(plan_));
  EXPECT_NE(pages->palette().color(QPalette::Text), greyed);
}

TEST_F(PlanWindowTest, EscClosesIt) {
  plan_ = OpenPlan(*window_);
  plan_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(plan_));
  QTest::keyClick(plan_, Qt::Key_Escape);
  EXPECT_FALSE(plan_->isVisible());
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(PlanWindowTest, ClosingTheCalculatorStillEndsTheProgram) {
  plan_ = OpenPlan(*window_);
  EXPECT_EQ(ExecAfter(window_.get(), [this] { window_->close(); }), 0);
}

}  // namespace
