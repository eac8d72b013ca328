// The desktop program keeps one copy of its settings, in memory: stored when a field's editing
// is finished or the program closes, never a refused value nor a keystroke on the way to one,
// and read by every window from there.
#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "window_driver.h"

namespace {

class SettingsKeeper : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override { window_->show(); }

  QLineEdit* Field(const char* name) const {
    return plan_->findChild<QLineEdit*>(QString::fromLatin1(name));
  }

  std::unique_ptr<ui::Form1> window_ = QuietWindow();
  ui::PlanWindow* plan_ = nullptr;
};

// "150" passes through "1" and "15", both taken; 150 itself is refused.
TEST_F(SettingsKeeper, StoresAFinishedValueButNeverOneOnTheWayToARefusedOne) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  QLineEdit* bobbin = Field("bobbin");
  bobbin->clear();
  QTest::keyClicks(bobbin, QStringLiteral("2.5"));
  QTest::keyClick(bobbin, Qt::Key_Return);  // editing finished
  EXPECT_EQ(ui::LoadSettings().plan.bobbin, 2.5);
  bobbin->clear();
  QTest::keyClicks(bobbin, QStringLiteral("150"));
  QTest::keyClick(bobbin, Qt::Key_Return);
  plan_->close();
  window_.reset();  // the program closes
  EXPECT_EQ(ui::LoadSettings().plan.bobbin, 2.5);
}

TEST_F(SettingsKeeper, MainWindowsHintsReadTheSettingsInMemoryNotTheDisk) {
  Calculate(*window_, kStartInputs);
  plan_ = OpenPlan(*window_);
  Field("ownWire2")->setText(QStringLiteral("0.75"));  // taken, its editing not finished
  QSettings(QStringLiteral("transformer-sizer"), QStringLiteral("transformer-sizer"))
      .setValue(QStringLiteral("plan/ownWire2"), QStringLiteral("0.9"));
  Calculate(*window_, kStartInputs);
  EXPECT_TRUE(window_->findChild<QLabel*>(QStringLiteral("Label39"))
                  ->toolTip()
                  .startsWith(QStringLiteral("Свой провод 0.750 мм")));
}

}  // namespace
