#include <memory>
#include <string>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include "../plan/test_support.h"
#include "check/design_check.h"
#include "check/figures.h"
#include "qt_test_app.h"
#include "ui/calculator_window/form1.h"
#include "ui/plan_window/copied_plan.h"
#include "ui/plan_window/winding_sheet.h"
#include "window_driver.h"

namespace {

/// The shell core of the check's worked figures.
constexpr Inputs kShell = {"1", "220", "12", "1", "2", "2.5", "1.2", "3", "0.35"};

QString Text(const QWidget& window, const char* name) {
  const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
  return label == nullptr ? QStringLiteral("<none>") : label->text();
}

// The value the check table shows on the row captioned `caption`, column `column`.
QString Cell(const ui::PlanWindow& window, const QString& caption, int column) {
  const auto* table = window.findChild<QTableWidget*>(QStringLiteral("check"));
  for (int row = 0; row < table->rowCount(); ++row) {
    if (table->verticalHeaderItem(row)->text() == caption) return table->item(row, column)->text();
  }
  return QStringLiteral("<no row>");
}

check::Check LibraryCheck(const Inputs& inputs, const check::Settings& settings = {}) {
  calc::CalculatorState record;
  plan::FitWatch display;
  calc::InputTexts texts;
  for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = inputs[k];
  calc::CalculateDesign(record, texts, display);
  const check::CheckInput input = check::ReadRun(record);
  return check::MakeCheck(input, plan::MakePlan(input.run, {}), {}, settings);
}

std::string Shown(const check::DesignFigure& figure, const check::DesignCheck& design) {
  const std::optional<double> value = figure.value(design);
  return value ? plan::Shown(*value, figure.decimals) : "—";
}

class PlanCheck : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override { window_->show(); }

  ui::PlanWindow* Open(const Inputs& inputs) {
    Calculate(*window_, inputs);
    plan_ = OpenPlan(*window_);
    return plan_;
  }

  QLineEdit* Field(const char* name) const {
    return plan_->findChild<QLineEdit*>(QString::fromLatin1(name));
  }

  QComboBox* TurnsSwitch() const { return plan_->findChild<QComboBox*>(QStringLiteral("turns")); }

  bool SheetSays(const QString& words) const {
    QImage page(QSize(2000, 2800), QImage::Format_RGB32);
    return ui::SheetText(plan_->Planned(), &page, page.size())
        ->toPlainText()
        .simplified()
        .contains(words);
  }

  std::unique_ptr<ui::Form1> window_ = QuietWindow();
  ui::PlanWindow* plan_ = nullptr;
};

struct DesignCase {
  const char* name;
  Inputs inputs;
  // As worked out by hand: B0 and UL of the run's turns, the refined turns and their B0.
  const char* flux;
  const char* full_load;
  const char* refined_primary;
  const char* refined_secondary;
};

void PrintTo(const DesignCase& c, std::ostream* os) { *os << c.name; }

class CheckOfBothDesigns : public PlanCheck, public testing::WithParamInterface<DesignCase> {};

TEST_P(CheckOfBothDesigns, ShowsTheLibrarysFiguresSideBySide) {
  Open(GetParam().inputs);
  const check::Check expected = LibraryCheck(GetParam().inputs);
  ASSERT_TRUE(expected.calculated && expected.refined.check);
  for (const check::DesignFigure& figure : check::kDesignFigures) {
    SCOPED_TRACE(std::string(figure.name));
    const QString caption = QString::fromUtf8(figure.name.data(), figure.name.size());
    EXPECT_EQ(Cell(*plan_, caption, 0).toStdString(), Shown(figure, *expected.calculated));
    EXPECT_EQ(Cell(*plan_, caption, 1).toStdString(), Shown(figure, *expected.refined.check));
  }
  EXPECT_EQ(Cell(*plan_, QStringLiteral("Индукция без нагрузки B0, Тл"), 0), GetParam().flux);
  EXPECT_EQ(Cell(*plan_, QStringLiteral("Напряжение под нагрузкой UL, В"), 0),
            GetParam().full_load);
  EXPECT_EQ(Cell(*plan_, QStringLiteral("Число витков W1"), 1), GetParam().refined_primary);
  EXPECT_EQ(Cell(*plan_, QStringLiteral("Число витков W2"), 1), GetParam().refined_secondary);
}

// clang-format off
const DesignCase kDesignCases[] = {
    {"StartRing", kStartInputs, "2.002", "18.45", "662", "40"},
    {"Shell", kShell, "1.589", "13.17", "1775", "114"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Designs, CheckOfBothDesigns, testing::ValuesIn(kDesignCases),
                         [](const testing::TestParamInfo<DesignCase>& info) {
                           return info.param.name;
                         });

TEST_F(PlanCheck, SaysWhatEachFlagMeansAtTheBenchAndTintsItsFigure) {
  Open(kStartInputs);
  const QString verdicts = Text(*plan_, "checkVerdicts");
  EXPECT_TRUE(verdicts.contains(QStringLiteral(
      "Расчетные витки: Сталь перегружена: индукция без нагрузки 2.002 Тл, а по таблице "
      "1.700 Тл — больше ток холостого хода, нагрев и гул.")))
      << verdicts.toStdString();
  EXPECT_TRUE(verdicts.contains(
      QStringLiteral("Под полной нагрузкой на выходе 18.45 В вместо 12.00 В: на 6.45 В больше.")));
  EXPECT_TRUE(verdicts.contains(QStringLiteral("Уточненные витки: замечаний нет.")));
  const auto* table = plan_->findChild<QTableWidget*>(QStringLiteral("check"));
  const QColor base = table->palette().color(QPalette::Base);
  for (int row = 0; row < table->rowCount(); ++row) {
    const QString caption = table->verticalHeaderItem(row)->text();
    const bool flagged = caption.startsWith(QStringLiteral("Индукция без нагрузки")) ||
                         caption.startsWith(QStringLiteral("Напряжение под нагрузкой")) ||
                         caption.startsWith(QStringLiteral("Отклонение"));
    const QBrush calculated = table->item(row, 0)->background();
    EXPECT_EQ(calculated.style() != Qt::NoBrush && calculated.color() != base, flagged)
        << caption.toStdString();
    EXPECT_EQ(table->item(row, 1)->background().style(), Qt::NoBrush) << caption.toStdString();
  }
}

// The plan takes any U2 above 0; the check needs at least 1 mV to give finite figures.
TEST_F(PlanCheck, SaysWhyThereIsNoCheckBesideAPlan) {
  Calculate(*window_, kStartInputs);
  Open({"3", "220", "0.0001", "1.5", "2", "5", "7", "12", "0.2"});
  EXPECT_TRUE(plan_->Planned().HasPlan());
  EXPECT_TRUE(Text(*plan_, "checkVerdicts")
                  .startsWith(QStringLiteral("Проверки нет: напряжения U1 и U2 должны быть")));
  EXPECT_FALSE(plan_->findChild<QTableWidget*>(QStringLiteral("check"))->isVisibleTo(plan_));
  EXPECT_EQ(plan_->Planned().turns, ui::Turns::Calculated);
}

TEST_F(PlanCheck, HotWindingsAreFlaggedAgainstTheLimitSet) {
  Open(kStartInputs);
  Field("limit")->setText("50");
  Field("ambient")->setText("45");
  EXPECT_TRUE(
      Text(*plan_, "checkVerdicts").contains(QStringLiteral("а изоляция выдерживает 50.0 °C")));
}

TEST_F(PlanCheck, TurnsSwitchDrivesPlanDrawingSheetAndCopy) {
  Open(kStartInputs);
  const auto* drawing = plan_->findChild<QWidget*>(QStringLiteral("drawing"));
  const auto copied = [this] {
    plan_->findChild<QPushButton*>(QStringLiteral("copyPlan"))->click();
    return QGuiApplication::clipboard()->text();
  };
  // Refined turns exist, so they are shown first.
  EXPECT_EQ(plan_->Planned().turns, ui::Turns::Refined);
  EXPECT_EQ(plan_->Planned().plan.windings.at(0).turns, 662);
  EXPECT_EQ(TurnsSwitch()->currentText(), "уточненных витков: W1 662, W2 40");
  EXPECT_TRUE(drawing->accessibleDescription().contains(QStringLiteral("уточненные витки")));
  EXPECT_TRUE(copied().contains(QStringLiteral("План для\tуточненные витки: W1 662, W2 40")));
  EXPECT_TRUE(SheetSays(QStringLiteral("План для: уточненные витки: W1 662, W2 40")));

  QTest::keyClick(TurnsSwitch(), Qt::Key_Up);
  EXPECT_EQ(plan_->Planned().turns, ui::Turns::Calculated);
  EXPECT_EQ(plan_->Planned().plan.windings.at(0).turns, 562);
  EXPECT_TRUE(drawing->accessibleDescription().contains(QStringLiteral("расчетные витки")));
  EXPECT_TRUE(copied().contains(QStringLiteral("План для\tрасчетные витки: W1 562, W2 50")));
  EXPECT_TRUE(SheetSays(QStringLiteral("План для: расчетные витки: W1 562, W2 50")));
  // The choice holds for the next run.
  Calculate(*window_, kShell);
  EXPECT_EQ(plan_->Planned().plan.windings.at(0).turns, 1340);
}

TEST_F(PlanCheck, RefusedCheckSettingBlanksTheCheckAndAcceptedOneRestoresIt) {
  Open(kStartInputs);
  Field("frequency")->setText("80");
  EXPECT_TRUE(Text(*plan_, "frequencyMessage").startsWith(QStringLiteral("Частота сети должна")));
  EXPECT_TRUE(Text(*plan_, "checkVerdicts").contains(QStringLiteral("Частота сети должна")));
  EXPECT_FALSE(plan_->findChild<QTableWidget*>(QStringLiteral("check"))->isVisibleTo(plan_));
  EXPECT_FALSE(plan_->findChild<QWidget*>(QStringLiteral("savePdf"))->isEnabled());
  Field("frequency")->setText("60");
  check::Settings sixty;
  sixty.frequency = 60;
  const check::Check expected = LibraryCheck(kStartInputs, sixty);
  EXPECT_EQ(Cell(*plan_, QStringLiteral("Индукция без нагрузки B0, Тл"), 0).toStdString(),
            plan::Shown(expected.calculated->flux_density, 3));
  EXPECT_TRUE(plan_->findChild<QWidget*>(QStringLiteral("savePdf"))->isEnabled());
}

TEST_F(PlanCheck, SettingsSurviveARestartAndTheDefaultsComeBack) {
  Open(kStartInputs);
  plan_->findChild<QComboBox*>(QStringLiteral("grade"))->setCurrentIndex(0);
  Field("bobbin")->setText("2,5");
  Field("ownWire2")->setText("0.8");
  Field("frequency")->setText("60");
  Field("limit")->setText("13");  // refused: the last accepted value is the one kept
  window_.reset();

  window_ = std::make_unique<ui::Form1>();  // a new session: no ForgetStoredSettings
  window_->show();
  Open(kStartInputs);
  ui::WindowSettings expected;
  expected.plan.grade = 1;
  expected.plan.bobbin = 2.5;
  expected.plan.own_wire[1] = 0.8;
  expected.check.frequency = 60;
  EXPECT_EQ(plan_->Planned().settings, expected.plan);
  EXPECT_EQ(plan_->Planned().check_settings, expected.check);
  EXPECT_EQ(Field("bobbin")->text(), "2.5");
  EXPECT_EQ(Field("limit")->text(), "105");
  EXPECT_TRUE(plan_->Planned().HasPlan());

  plan_->findChild<QPushButton*>(QStringLiteral("restoreDefaults"))->click();
  EXPECT_EQ(plan_->Planned().settings, plan::Settings{});
  EXPECT_EQ(plan_->Planned().check_settings, check::Settings{});
  EXPECT_EQ(Field("ownWire2")->text(), "");
  EXPECT_EQ(ui::LoadSettings(), ui::WindowSettings{});
}

TEST_F(PlanCheck, SaveDialogOpensInTheFolderOfTheLastPdf) {
  Open(kStartInputs);
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const auto save_through_dialog = [this, &folder](const QString& name) {
    QString opened;
    QTimer::singleShot(0, plan_, [&opened, &folder, name] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      opened = dialog->directory().absolutePath();
      dialog->selectFile(folder.filePath(name));
      QMetaObject::invokeMethod(dialog, "accept");
    });
    plan_->findChild<QPushButton*>(QStringLiteral("savePdf"))->click();
    return opened;
  };
  save_through_dialog(QStringLiteral("первый.pdf"));
  EXPECT_EQ(ui::LoadSheetFolder(), folder.path());
  EXPECT_EQ(save_through_dialog(QStringLiteral("второй.pdf")), folder.path());
  EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("второй.pdf"))));
}

TEST_F(PlanCheck, MainWindowsVerdictNamesTheFlagsOfTheRunsTurns) {
  Calculate(*window_, kStartInputs);
  const QString hint = window_->findChild<QWidget*>(QStringLiteral("Label33"))->toolTip();
  EXPECT_TRUE(hint.contains(QStringLiteral("Проверка расчетных витков: Сталь перегружена")))
      << hint.toStdString();
  EXPECT_TRUE(hint.contains(QStringLiteral("на 6.45 В больше")));
  Calculate(*window_, {"3", "220", "12", "1.5", "1", "1", "2", "2", "0.2"});  // does not fit
  EXPECT_FALSE(window_->findChild<QWidget*>(QStringLiteral("Label33"))
                   ->toolTip()
                   .contains(QStringLiteral("Проверка")));
}

}  // namespace
