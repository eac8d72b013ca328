// The turns W1 and W2 marked when the check finds them wrong, as links to the plan and check
// that Tab reaches after every described control; and what a refused core can give, on the
// verdict.
#include <memory>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"
#include "window_driver.h"

namespace {

const QColor kResultGreen(192, 255, 192);

const char kStartMarks[] =
    "Проверка: при этих витках индукция без нагрузки 2.002 Тл (по таблице 1.700), под нагрузкой "
    "18.45 В вместо 12 В. Уточненные витки: W1 662, W2 40 — окно «План намотки и проверка» (F4)";

/// A shell whose turns the check passes: the flux at the table's and the output within 5 %.
constexpr Inputs kPassingShell = {"1", "220", "110", "0.5", "3", "6", "3", "6", "0.35"};

/// A small shell that a first run refuses at 2 A.
constexpr Inputs kRefusedShell = {"1", "220", "12", "2", "2", "2.5", "1.2", "3", "0.35"};

const char* const kDescribedRing[] = {"Text2", "Text3", "Text4",    "Text5", "Text6",   "Text7",
                                      "Text8", "Text9", "Command1", "Text1", "Command2"};

class TurnMarks : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override {
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  QLabel* Result(int number) const {
    return window_->findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
  }

  ui::PlanWindow* Plan() const { return window_->findChild<ui::PlanWindow*>(); }

  bool PlanShown() const { return Plan() != nullptr && Plan()->isVisible(); }

  // The names Tab reaches from Text2 until it comes back there.
  std::vector<QString> TabRing() const {
    window_->activateWindow();
    window_->findChild<QWidget*>(QStringLiteral("Text2"))->setFocus();
    std::vector<QString> ring;
    do {
      ring.push_back(QApplication::focusWidget()->objectName());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget()->objectName() != "Text2" && ring.size() < 30);
    return ring;
  }

  static std::vector<QString> Ring(std::initializer_list<const char*> extra) {
    std::vector<QString> ring(std::begin(kDescribedRing), std::end(kDescribedRing));
    for (const char* name : extra) ring.push_back(QString::fromLatin1(name));
    return ring;
  }

  std::unique_ptr<ui::Form1> window_ = QuietWindow();
};

TEST_F(TurnMarks, NameWhatTheCheckFindsAndTheRefinedTurns) {
  Calculate(*window_, kStartInputs);
  for (const int number : {40, 41}) {
    SCOPED_TRACE(number);
    QLabel* turns = Result(number);
    EXPECT_EQ(turns->toolTip(), QString::fromUtf8(kStartMarks));
    EXPECT_EQ(turns->accessibleDescription(), turns->toolTip());
    const QColor background = turns->palette().color(QPalette::Window);
    EXPECT_NE(background, kResultGreen);
    EXPECT_GT(background.lightness(), 128) << "the results' black text must stay readable";
  }
  EXPECT_EQ(Result(40)->text(), "562");
  EXPECT_EQ(Result(41)->text(), "50");
  EXPECT_EQ(Result(39)->palette().color(QPalette::Window), kResultGreen);
}

// The marks follow each press, and go with one whose turns the check passes.
TEST_F(TurnMarks, GoWithADesignTheCheckPasses) {
  const QRect before = Result(40)->geometry();
  Calculate(*window_, kStartInputs);
  Calculate(*window_, kPassingShell);
  for (const int number : {40, 41}) {
    EXPECT_EQ(Result(number)->toolTip(), "");
    EXPECT_EQ(Result(number)->accessibleDescription(), "");
    EXPECT_EQ(Result(number)->palette().color(QPalette::Window), kResultGreen);
    EXPECT_EQ(Result(number)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Result(number))->role(),
              QAccessible::StaticText);
  }
  EXPECT_EQ(Result(40)->geometry(), before);
  EXPECT_EQ(TabRing(), Ring({}));
}

TEST_F(TurnMarks, TabReachesTheMarkedTurnsAfterEveryDescribedControl) {
  EXPECT_EQ(TabRing(), Ring({})) << "before a press";
  Calculate(*window_, kStartInputs);
  EXPECT_EQ(TabRing(), Ring({"Label40", "Label41"}));
  window_->findChild<QWidget*>(QStringLiteral("Text2"))->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), Result(41)) << "Shift+Tab runs the ring backwards";
}

TEST_F(TurnMarks, EnterSpaceOrAClickOpenThePlanAndCheck) {
  Calculate(*window_, kStartInputs);
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    SCOPED_TRACE(key);
    if (Plan() != nullptr) Plan()->hide();
    window_->activateWindow();
    Result(41)->setFocus();
    QTest::keyClick(Result(41), key);
    EXPECT_TRUE(PlanShown());
  }
  Plan()->hide();
  QTest::mouseClick(Result(40), Qt::LeftButton);
  EXPECT_TRUE(PlanShown());
}

TEST_F(TurnMarks, UnmarkedTurnsOpenNothing) {
  Calculate(*window_, kPassingShell);
  QTest::mouseClick(Result(40), Qt::LeftButton);
  EXPECT_FALSE(PlanShown());
}

// A screen reader hears the caption as the name, the words as the description, and a link it
// can press.
TEST_F(TurnMarks, AreLinksNamedForAssistiveTechnology) {
  Calculate(*window_, kStartInputs);
  QAccessibleInterface* turns = QAccessible::queryAccessibleInterface(Result(40));
  ASSERT_NE(turns, nullptr);
  EXPECT_EQ(turns->role(), QAccessible::Link);
  EXPECT_EQ(turns->text(QAccessible::Name), "Число витков в 1-й обмотке трансформатора");
  EXPECT_EQ(turns->text(QAccessible::Description), QString::fromUtf8(kStartMarks));
  EXPECT_EQ(turns->text(QAccessible::Value), "562");
  EXPECT_TRUE(turns->state().focusable);
  EXPECT_TRUE(turns->state().linked);
  QAccessibleActionInterface* actions = turns->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(PlanShown());
}

TEST_F(TurnMarks, CopyResultsCarriesTheSameWords) {
  Calculate(*window_, kStartInputs);
  WindowAction(*window_, "copyResults")->trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(
      QStringLiteral("\nЗамечания к расчету\t%1\n").arg(QString::fromUtf8(kStartMarks))));
  Calculate(*window_, kPassingShell);
  WindowAction(*window_, "copyResults")->trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith("\nЗамечания к расчету\tнет\n"));
}

// The check runs under the settings the plan window keeps: a chosen flux for the refined turns
// changes the turns the marks name.
TEST_F(TurnMarks, FollowTheKeptSettings) {
  Calculate(*window_, kStartInputs);
  auto* flux = OpenPlan(*window_)->findChild<QLineEdit*>(QStringLiteral("refineFlux"));
  ASSERT_NE(flux, nullptr);
  flux->setText(QStringLiteral("1.2"));
  EXPECT_TRUE(Result(40)->toolTip().contains(QStringLiteral("Уточненные витки: W1 938, W2 58 —")))
      << Result(40)->toolTip().toStdString();
  flux->setText(QString());
  EXPECT_EQ(Result(41)->toolTip(), QString::fromUtf8(kStartMarks));
}

// The marks go while a setting of the plan window is refused; the focus must not stay on a
// result that Tab no longer reaches.
TEST_F(TurnMarks, GoingAwayTakeTheFocusAlong) {
  Calculate(*window_, kStartInputs);
  window_->findChild<QWidget*>(QStringLiteral("Command2"))->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Result(40));
  QTest::keyClick(Result(40), Qt::Key_Return);
  ASSERT_TRUE(PlanShown());
  Plan()->findChild<QLineEdit*>(QStringLiteral("frequency"))->setText(QStringLiteral("0"));
  EXPECT_EQ(Result(40)->toolTip(), "");
  EXPECT_NE(window_->focusWidget(), Result(40));
}

TEST_F(TurnMarks, RefusedCoreSaysWhatItCanGive) {
  Calculate(*window_, kRefusedShell);
  QLabel* verdict = Result(33);
  EXPECT_EQ(verdict->text(), "Неподходит");
  const QString words =
      QStringLiteral("Сердечник отдаст до 18 Вт: при U2 = 12 В ток нагрузки до 1.15 А");
  EXPECT_TRUE(verdict->toolTip().startsWith(words)) << verdict->toolTip().toStdString();
  EXPECT_EQ(verdict->accessibleDescription(), verdict->toolTip());
  Calculate(*window_, kStartInputs);
  EXPECT_FALSE(verdict->toolTip().contains(QStringLiteral("Сердечник отдаст")));
}

}  // namespace
