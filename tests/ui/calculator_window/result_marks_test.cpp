// What the window says of its results beyond their texts: a verdict that rests on a coefficient
// the tables did not give, and results left from a run whose inputs were edited since.
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"
#include "window_driver.h"

namespace {

const QColor kResultGreen(192, 255, 192);

QLabel* Result(const ui::Form1& window, int number) {
  return window.findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
}

QLineEdit* Field(const ui::Form1& window, int number) {
  return window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
}

struct VerdictCase {
  const char* name;
  std::vector<Inputs> runs;
  const char* verdict;  // Label33 after the last run
  const char* warning;  // the start of its tooltip; empty: no warning and no tint
};

void PrintTo(const VerdictCase& c, std::ostream* os) { *os << c.name; }

constexpr Inputs kShell035 = {"1", "220", "12", "1.5", "2", "5", "7", "12", "0.35"};
constexpr Inputs kShell05 = {"1", "220", "12", "1.5", "2", "5", "7", "12", "0.5"};
constexpr Inputs kLowPower = {"3", "220", "12", "0.3", "2", "5", "7", "12", "0.2"};
constexpr Inputs kFirstLowPower = {"3", "220", "12", "0.1", "2", "5", "7", "12", "0.2"};

const VerdictCase kVerdictCases[] = {
    {"StartInputs", {kStartInputs}, "Подходит", ""},
    {"HalfMillimetrePlatesFirst",
     {kShell05},
     "Неподходит",
     "Мощность железа Ps, а с ней и вывод, посчитаны с коэффициентом, которого таблицы для этих "
     "данных не дали: незаданный коэффициент считается равным 0, и Ps равна 0.\n"
     "Толщины 0.5 мм нет в таблице для формы 1: коэффициент заполнения сталью не задан и "
     "считается равным 0.\n"
     "Для формы 1 таблица знает толщины: от 0.08 до 0.2 мм, 0.35 мм; ближайшая к 0.5 мм - 0.35 "
     "мм.\n\n"},
    {"HalfMillimetreAfterAKnownThickness",
     {kShell035, kShell05},
     "Подходит",
     "Мощность железа Ps, а с ней и вывод, посчитаны с коэффициентом, которого таблицы для этих "
     "данных не дали.\n"
     "Толщины 0.5 мм нет в таблице для формы 1: коэффициент заполнения сталью 0.93 взят из "
     "прошлого расчета.\n"
     "Для формы 1 таблица знает толщины: от 0.08 до 0.2 мм, 0.35 мм; ближайшая к 0.5 мм - 0.35 "
     "мм.\n\n"},
    {"LowPowerAfterAFit",
     {kStartInputs, kLowPower},
     "Подходит",
     "Мощность железа Ps, а с ней и вывод, посчитаны с коэффициентами, которых таблицы для этих "
     "данных не дали.\n"
     "Для мощности нагрузки 3.6 Вт в таблице нет значений: магнитная индукция Bmax 1.7 взята из "
     "прошлого расчета.\n"
     "Для мощности нагрузки 3.6 Вт в таблице нет значений: плотность тока J 4.7 взята из "
     "прошлого расчета.\n"
     "Для мощности нагрузки 3.6 Вт в таблице нет значений: коэффициент заполнения окна 0.19 взят "
     "из прошлого расчета.\n"
     "Для формы 3 таблица начинается с мощности нагрузки больше 5 Вт; при меньшей значение "
     "остается от прошлого расчета.\n\n"},
    // Efficiency and power factor do not enter Ps, and this run shows no verdict at all.
    {"FaultBeforeTheVerdict", {kFirstLowPower}, "", ""},
};

class VerdictWarning : public testing::TestWithParam<VerdictCase> {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }
};

TEST_P(VerdictWarning, TintsTheVerdictAndSaysWhatItRestsOn) {
  const VerdictCase& c = GetParam();
  const auto window = QuietWindow();
  window->show();
  const QString hint = Result(*window, 33)->toolTip();
  for (const Inputs& run : c.runs) Calculate(*window, run);
  QLabel* verdict = Result(*window, 33);
  EXPECT_EQ(verdict->text().toStdString(), c.verdict);
  const QString tooltip = verdict->toolTip();
  EXPECT_EQ(verdict->accessibleDescription(), tooltip);
  // After a run that fits, the hint goes on with what the check finds.
  EXPECT_TRUE(tooltip.contains(hint)) << "the plan hint stays";
  const QColor background = verdict->palette().color(QPalette::Window);
  if (*c.warning == '\0') {
    EXPECT_TRUE(tooltip.startsWith(hint));
    EXPECT_EQ(background, kResultGreen);
  } else {
    EXPECT_TRUE(tooltip.startsWith(QString::fromUtf8(c.warning))) << tooltip.toStdString();
    EXPECT_NE(background, kResultGreen);
    EXPECT_GT(background.lightness(), 128) << "black text must stay readable on it";
  }
  EXPECT_EQ(Result(*window, 32)->palette().color(QPalette::Window), kResultGreen);
}

INSTANTIATE_TEST_SUITE_P(Runs, VerdictWarning, testing::ValuesIn(kVerdictCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VerdictWarningGoes, WithTheNextRunThatNeedsNone) {
  EnsureQtApp();
  const auto window = QuietWindow();
  Calculate(*window, kShell05);
  const QString warned = Result(*window, 33)->toolTip();
  Calculate(*window, kShell035);
  EXPECT_EQ(Result(*window, 33)->palette().color(QPalette::Window), kResultGreen);
  EXPECT_LT(Result(*window, 33)->toolTip().size(), warned.size());
  EXPECT_FALSE(Result(*window, 33)->toolTip().contains(QStringLiteral("Ps")));
}

const char kStaleWords[] =
    "Данные в полях изменены после расчета: результаты относятся к прежним данным. Нажмите "
    "«Вычислить», чтобы пересчитать.";

class StaleResults : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  bool AllDrawnIn(const QColor& colour) const {
    for (int number = 26; number <= 41; ++number) {
      if (Result(*window_, number)->palette().color(QPalette::WindowText) != colour) return false;
    }
    return true;
  }

  const QColor disabled_ = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
  const std::unique_ptr<ui::Form1> window_ = QuietWindow();
};

TEST_F(StaleResults, AreGreyedAfterAnEditAndRestoredByCalculate) {
  ASSERT_NE(disabled_, QColor(0, 0, 0));
  Calculate(*window_, kStartInputs);
  const QString hint = Result(*window_, 33)->toolTip();
  ASSERT_TRUE(AllDrawnIn(QColor(0, 0, 0)));

  Field(*window_, 4)->setText("1");
  EXPECT_TRUE(AllDrawnIn(disabled_));
  EXPECT_EQ(Result(*window_, 26)->text(), "18") << "the texts stay as the run wrote them";
  EXPECT_EQ(Result(*window_, 33)->text(), "Подходит");
  EXPECT_EQ(Result(*window_, 33)->toolTip(), QString::fromUtf8(kStaleWords) + "\n\n" + hint);
  EXPECT_EQ(Result(*window_, 33)->accessibleDescription(), Result(*window_, 33)->toolTip());

  window_->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
  EXPECT_TRUE(AllDrawnIn(QColor(0, 0, 0)));
  EXPECT_EQ(Result(*window_, 26)->text(), "12");
  EXPECT_FALSE(Result(*window_, 33)->toolTip().contains(QString::fromUtf8(kStaleWords)));
}

TEST_F(StaleResults, FollowWhetherTheFieldsStillHoldWhatTheRunRead) {
  Field(*window_, 2)->setText("230");
  EXPECT_TRUE(AllDrawnIn(QColor(0, 0, 0))) << "before any run there is nothing to grey";
  Calculate(*window_, kStartInputs);
  Field(*window_, 9)->setText("0.35");
  EXPECT_TRUE(AllDrawnIn(disabled_));
  Field(*window_, 9)->setText("0.2");
  EXPECT_TRUE(AllDrawnIn(QColor(0, 0, 0))) << "the inputs of the run are back";
}

TEST_F(StaleResults, AfterAFaultToo) {
  Calculate(*window_, kFirstLowPower);
  Field(*window_, 4)->setText("1.5");
  EXPECT_TRUE(AllDrawnIn(disabled_));
  EXPECT_TRUE(Result(*window_, 33)->toolTip().startsWith(QString::fromUtf8(kStaleWords)));
}

}  // namespace
