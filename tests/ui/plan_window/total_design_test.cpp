// The plan window while its windings table asks for all windings: the header, drawing, sheet,
// copy and commands show the design of all windings, said with its line giving Pt.
#include <memory>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "account/drawing.h"
#include "qt_test_app.h"
#include "window_driver.h"

namespace {

const QString kPower =
    QStringLiteral("Расчет по всем обмоткам: вторичных 3, мощность Pt = 82.6 Вт");

template <typename Widget = QWidget>
Widget* Child(const QWidget& window, const char* name) {
  return window.findChild<Widget*>(QString::fromLatin1(name));
}

// A window command, enabled or not.
bool Enabled(const QWidget& window, const char* name) {
  return Child<QAction>(window, name)->isEnabled();
}

class TotalDesign : public ValvePlanTest {
 protected:
  void SetUp() override {
    ValvePlanTest::SetUp();
    DescribeValveAmplifier(*plan_);
  }

  QString Copied() const {
    Child<QAction>(*plan_, "copyPlan")->trigger();
    return QGuiApplication::clipboard()->text();
  }
};

// Catches the header, drawing or copy left on the design of the main secondary alone.
TEST_F(TotalDesign, HeaderDrawingAndCopyShowEveryWinding) {
  EXPECT_FALSE(Child(*plan_, "designPowerLine")->isHidden());
  EXPECT_EQ(Child<QLabel>(*plan_, "designPowerLine")->text(), kPower);
  std::size_t windings = 0;
  for (const account::Band& band : account::Bands(plan_->Planned())) {
    windings += band.part == account::Part::Winding ? 1 : 0;
  }
  EXPECT_EQ(windings, 4u);
  EXPECT_TRUE(Child(*plan_, "drawing")->accessibleDescription().contains(QStringLiteral("W4 15")));
  const QString copied = Copied();
  EXPECT_TRUE(copied.startsWith(kPower + QStringLiteral("\nПлан намотки и проверка\n")));
  EXPECT_TRUE(copied.contains(QStringLiteral("\nЧисло витков\t617\t1462\t19\t15\n")));
}

// Catches the commands following the main secondary's plan while all windings have none.
TEST_F(TotalDesign, CommandsAreThereOnlyWhileAllWindingsHaveAPlan) {
  for (const char* command : {"savePdf", "print", "copyPlan"}) {
    EXPECT_TRUE(Enabled(*plan_, command)) << command;
  }
  AddWinding(*plan_, "100", "5");
  for (const char* command : {"savePdf", "print", "copyPlan"}) {
    EXPECT_FALSE(Enabled(*plan_, command)) << command;
  }
  EXPECT_TRUE(Child<QLabel>(*plan_, "verdict")
                  ->text()
                  .contains(QStringLiteral("не подходит для всех обмоток вместе")));
}

struct TurnsCase {
  Qt::Key key;
  const char* fill;
  const char* turns;
};

// Catches the switch of turns ignored while the design is of all windings.
TEST_F(TotalDesign, TurnsSwitchChoosesThePlanOfAllWindings) {
  for (const TurnsCase& c : {TurnsCase{Qt::Key_Home, "66.9", "W1 559, W2 1192, W3 35, W4 32"},
                             TurnsCase{Qt::Key_End, "78.3", "W1 617, W2 1462, W3 19, W4 15"}}) {
    QTest::keyClick(Child<QComboBox>(*plan_, "turns"), c.key);
    EXPECT_EQ(Child<QLabel>(*plan_, "fill")->text(), QString::fromLatin1(c.fill));
    EXPECT_TRUE(Child(*plan_, "drawing")->accessibleDescription().contains(c.turns));
    EXPECT_TRUE(Copied().contains(c.turns));
  }
}

// Catches a sheet of the main secondary alone, or one that does not say it is of all windings:
// read back from the PDF as a reader would.
TEST_F(TotalDesign, SheetSaysPtAndTheFiguresOfEveryWinding) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
    if (qEnvironmentVariable("CI") == QStringLiteral("true")) FAIL() << "no pdftotext";
    GTEST_SKIP() << "poppler-utils are not installed (scripts/setup.sh installs them)";
  }
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
  ASSERT_TRUE(plan_->SavePdf(path));
  QProcess poppler;
  poppler.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), path, QStringLiteral("-")});
  poppler.waitForFinished();
  const QString text = QString::fromUtf8(poppler.readAllStandardOutput()).simplified();
  EXPECT_EQ(text.count(kPower), 2) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Число витков 617 1462 19 15"))) << text.toStdString();
  EXPECT_TRUE(
      text.contains(QStringLiteral("Диаметр провода без изоляции, мм 0.560 0.315 1.120 1.120")));
  EXPECT_TRUE(text.contains(
      QStringLiteral("Чертеж окна в масштабе: уточненные витки: W1 617, W2 1462, W3 19, W4 15")));
}

}  // namespace
