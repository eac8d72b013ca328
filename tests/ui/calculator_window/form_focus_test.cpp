#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"

namespace {

// The Tab ring, from the control that has the focus when the window opens.
const char* const kTabRing[] = {"Text2", "Text3", "Text4",    "Text5", "Text6",    "Text7",
                                "Text8", "Text9", "Command1", "Text1", "Command2", "Text2"};

class FormFocus : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override {
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  static QString Focused() {
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QString() : focus->objectName();
  }

  bool ResultsEmpty() const {
    for (int number = 26; number <= 41; ++number) {
      const auto* label = window_.findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
      if (label == nullptr || !label->text().isEmpty()) return false;
    }
    return true;
  }

  ui::Form1 window_;
};

TEST_F(FormFocus, TabGoesRoundTheRingFromText2) {
  EXPECT_EQ(Focused(), kTabRing[0]);
  for (std::size_t k = 1; k < std::size(kTabRing); ++k) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), kTabRing[k]) << "after Tab number " << k;
  }
}

TEST_F(FormFocus, ShiftTabGoesRoundTheRingBackwards) {
  for (std::size_t k = std::size(kTabRing) - 1; k > 0; --k) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), kTabRing[k - 1]) << "after Shift+Tab from " << kTabRing[k];
  }
}

TEST_F(FormFocus, EnterAndEscDoNothingAnywhere) {
  const QList<QWidget*> focusable =
      window_.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(Text|Command)\\d$")));
  ASSERT_EQ(focusable.size(), 11);
  EXPECT_EQ(ExecAfter(&window_,
                      [&] {
                        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                          for (QWidget* control : focusable) {
                            control->setFocus();
                            QTest::keyClick(control, key);
                          }
                        }
                      }),
            kLoopWentOn);
  EXPECT_TRUE(ResultsEmpty());
  EXPECT_TRUE(window_.isVisible());
}

}  // namespace
