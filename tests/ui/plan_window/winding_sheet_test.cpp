#include <ostream>
#include <string>

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include "drawn_fill.h"
#include "qt_test_app.h"
#include "ui/calculator_window/copied_results.h"
#include "ui/plan_window/check_rows.h"
#include "ui/plan_window/winding_sheet.h"
#include "window_driver.h"

namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct MediaBox {
  double width = 0;
  double height = 0;
};

std::vector<MediaBox> MediaBoxes(const QByteArray& pdf) {
  static const QRegularExpression box(
      QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
  std::vector<MediaBox> boxes;
  for (auto match = box.globalMatch(QString::fromLatin1(pdf)); match.hasNext();) {
    const QRegularExpressionMatch found = match.next();
    boxes.push_back({found.captured(1).toDouble(), found.captured(2).toDouble()});
  }
  return boxes;
}

// The document information's title: a PDF literal string, UTF-16BE after its byte order mark.
QString Title(const QByteArray& pdf) {
  const qsizetype start = pdf.indexOf("/Title (");
  if (start < 0) return {};
  QByteArray bytes;
  for (qsizetype k = start + 8; k < pdf.size() && pdf[k] != ')'; ++k) {
    if (pdf[k] == '\\' && k + 1 < pdf.size()) ++k;  // Qt escapes only ( ) and the backslash
    bytes += pdf[k];
  }
  if (!bytes.startsWith("\xFE\xFF")) return QString::fromLatin1(bytes);
  QStringDecoder utf16(QStringDecoder::Utf16BE);
  return utf16(bytes.mid(2));
}

// The text on its page, the drawing on a second one.
void ExpectA4(const QByteArray& pdf, std::size_t pages = 2) {
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  const std::vector<MediaBox> boxes = MediaBoxes(pdf);
  ASSERT_EQ(boxes.size(), pages);
  for (const MediaBox& box : boxes) {
    EXPECT_NEAR(box.width, 595, 1);
    EXPECT_NEAR(box.height, 842, 1);
  }
}

// The sheet's text as it is laid out on an A4 page.
QString SheetText(const ui::PlannedRun& planned) {
  QImage page(QSize(2000, 2800), QImage::Format_RGB32);
  return ui::SheetText(planned, &page, page.size())->toPlainText();
}

// Each input and each result stands on the sheet with its caption, as the run left them.
void ExpectTheRun(const ui::PlannedRun& planned) {
  const QString text = SheetText(planned);
  for (std::size_t k = 0; k < planned.run.inputs.size(); ++k) {
    EXPECT_TRUE(text.contains(ui::InputCaption(k) + QLatin1Char('\n') + planned.run.inputs[k]))
        << k;
  }
  for (std::size_t k = 0; k < planned.run.results.size(); ++k) {
    EXPECT_TRUE(text.contains(ui::ResultCaption(k) + QLatin1Char('\n') + planned.run.results[k]))
        << k;
  }
}

class WindingSheet : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    window_->show();
  }

  QTemporaryDir folder_;
  std::unique_ptr<ui::Form1> window_ = QuietWindow();
};

struct SheetCase {
  const char* name;
  Inputs inputs;
  const char* title;
};

void PrintTo(const SheetCase& c, std::ostream* os) { *os << c.name; }

class SheetOfEachVerdict : public WindingSheet, public testing::WithParamInterface<SheetCase> {};

TEST_P(SheetOfEachVerdict, IsA4TitledWithTheVerdictAndHoldsTheRun) {
  Calculate(*window_, GetParam().inputs);
  ui::PlanWindow* plan = OpenPlan(*window_);
  const QString path = folder_.filePath(QStringLiteral("План намотки.pdf"));
  ASSERT_TRUE(plan->SavePdf(path));
  const QByteArray pdf = Read(path);
  ExpectA4(pdf);
  EXPECT_EQ(Title(pdf), QString::fromUtf8(GetParam().title));
  ExpectTheRun(plan->Planned());
}

// clang-format off
const SheetCase kSheetCases[] = {
    {"Fits", kStartInputs, "План намотки: Помещается"},
    {"Tight", kTightShell, "План намотки: Помещается впритык"},
    {"DoesNotFit", {"2", "230", "5", "19.9", "3", "5.3", "0.70", "12.5", "0.2"},
     "План намотки: Не помещается"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Verdicts, SheetOfEachVerdict, testing::ValuesIn(kSheetCases),
                         [](const testing::TestParamInfo<SheetCase>& info) {
                           return info.param.name;
                         });

TEST_F(WindingSheet, PrintsTheSamePage) {
  Calculate(*window_, kStartInputs);
  const ui::PlannedRun& planned = OpenPlan(*window_)->Planned();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setOutputFileName(folder_.filePath(QStringLiteral("printed.pdf")));
  ASSERT_TRUE(ui::PrintSheet(printer, planned));
  ExpectA4(Read(printer.outputFileName()));
  EXPECT_EQ(printer.docName(), "План намотки: Помещается");
}

// Two sheets of one core differ in when they were made; a design's title says which design.
TEST_F(WindingSheet, SaysTheDesignsTitleAndWhenItWasMade) {
  Calculate(*window_, kStartInputs);
  const ui::PlannedRun& planned = OpenPlan(*window_)->Planned();
  const QDateTime made(QDate(2026, 2, 1), QTime(3, 4));
  EXPECT_TRUE(ui::SheetText(planned, window_.get(), QSizeF(2000, 2800), {.title = {}, .made = made})
                  ->toPlainText()
                  .contains(QStringLiteral("\nЛист составлен 01.02.2026 в 03:04.\n")));
  const QString text = ui::SheetText(planned, window_.get(), QSizeF(2000, 2800),
                                     {.title = QStringLiteral("ТН-1\nзапасной"), .made = made})
                           ->toPlainText();
  EXPECT_TRUE(text.contains(
      QStringLiteral("\nПроект: ТН-1 запасной. Лист составлен 01.02.2026 в 03:04.\n")))
      << text.toStdString();
  EXPECT_EQ(ui::SheetTitle(planned, {.title = QStringLiteral("ТН-1")}),
            "ТН-1 — План намотки: Помещается");
}

// A field may hold a megabyte after its number and the run still has a plan: the sheet quotes
// its start, as a tooltip does, instead of laying out the megabyte (which took minutes).
TEST_F(WindingSheet, QuotesTheStartOfAMegabyteField) {
  Inputs inputs = kStartInputs;
  const std::string huge = "220" + std::string(1 << 20, 'x');
  inputs[1] = huge.c_str();
  Calculate(*window_, inputs);
  ui::PlanWindow* plan = OpenPlan(*window_);
  ASSERT_TRUE(plan->Planned().HasPlan());
  const QString text = SheetText(plan->Planned());
  EXPECT_TRUE(text.contains(ui::InputCaption(1) + QStringLiteral("\n220") +
                            QString(21, QLatin1Char('x')) + QStringLiteral("…\n")));
  EXPECT_LT(text.size(), 8000);
  const QString path = folder_.filePath(QStringLiteral("длинное поле.pdf"));
  ASSERT_TRUE(plan->SavePdf(path));
  ExpectA4(Read(path));
}

TEST_F(WindingSheet, UnwritableFileIsReportedAndNothingElseChanges) {
  Calculate(*window_, kStartInputs);
  ui::PlanWindow* plan = OpenPlan(*window_);
  QString shown;
  QTimer::singleShot(0, plan, [&shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = box->text();
    box->accept();
  });
  const QString path = folder_.filePath(QStringLiteral("нет такой папки/план.pdf"));
  EXPECT_FALSE(plan->SavePdf(path));
  EXPECT_TRUE(shown.startsWith(QStringLiteral("Не удалось записать файл «%1»").arg(path)))
      << shown.toStdString();
  EXPECT_TRUE(plan->Planned().HasPlan());
}

/// Reads a PDF back with poppler, as a reader of the paper would: the text of every page, and
/// one page as an image.
class RenderedSheet : public WindingSheet {
 protected:
  void SetUp() override {
    WindingSheet::SetUp();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
      // CI cannot hide a missing tool behind a skipped test.
      if (qEnvironmentVariable("CI") == QStringLiteral("true")) {
        FAIL() << "poppler-utils are not installed (scripts/setup.sh installs them)";
      }
      GTEST_SKIP() << "poppler-utils are not installed (scripts/setup.sh installs them)";
    }
  }

  QString Saved(const Inputs& inputs) {
    Calculate(*window_, inputs);
    plan_ = OpenPlan(*window_);
    const QString path = folder_.filePath(QStringLiteral("sheet.pdf"));
    EXPECT_TRUE(plan_->SavePdf(path));
    return path;
  }

  // The text in reading order with every run of blanks and line ends as one blank.
  static QString TextOf(const QString& pdf) {
    QProcess poppler;
    poppler.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    poppler.waitForFinished();
    return QString::fromUtf8(poppler.readAllStandardOutput()).simplified();
  }

  QImage PageOf(const QString& pdf, int page) const {
    const QString stem = folder_.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"), number,
                       QStringLiteral("-l"), number, QStringLiteral("-singlefile"),
                       QStringLiteral("-png"), pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
  }

  ui::PlanWindow* plan_ = nullptr;
};

TEST_F(RenderedSheet, SaysTheRunsNotesBothChecksAndTheSettings) {
  const QString text = TextOf(Saved({"3", "220", "12", "1,5", "2", "5", "7", "12", "0.2"}));
  EXPECT_TRUE(text.contains(QStringLiteral(
      "Замечания к расчету: I2: Прочитано 1: запятая не считается десятичным знаком, пишите 1.5")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Максимальный ток нагрузки l2, А 1,5")));
  const ui::PlannedRun& planned = plan_->Planned();
  EXPECT_TRUE(text.contains(QStringLiteral("План для: ") + ui::TurnsText(planned)));
  EXPECT_TRUE(text.contains(QStringLiteral("Расчетные витки Уточненные витки")));
  EXPECT_TRUE(text.contains(QStringLiteral("Индукция без нагрузки B0, Тл 2.002 1.700")));
  for (const QString& verdict : ui::CheckVerdicts(planned)) {
    EXPECT_TRUE(text.contains(verdict)) << verdict.toStdString();
  }
  EXPECT_TRUE(text.contains(QStringLiteral("Расчетные витки: Сталь перегружена")));
  for (const char* setting :
       {"Толщина каркаса 1 мм", "Класс эмалевой изоляции 2", "Частота сети 50 Гц",
        "Удельные потери стали 1.5 Вт/кг", "Температура воздуха 40 °C",
        "Предельная температура обмоток 105 °C"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(setting))) << setting;
  }
  EXPECT_TRUE(text.contains(QStringLiteral("Чертеж окна в масштабе: уточненные витки")));
}

// The title of the design the main window opened, and the minute the PDF was written.
TEST_F(RenderedSheet, CarriesTheOpenedDesignsTitleAndTheTimeItWasMade) {
  ASSERT_TRUE(window_->OpenDesign(QStringLiteral(TS_BOTH_FACES_DESIGN)));
  const QDateTime before = QDateTime::currentDateTime();
  const QString path = Saved(kStartInputs);
  const QDateTime after = QDateTime::currentDateTime();
  const QString text = TextOf(path);
  static const QRegularExpression stamp(
      QStringLiteral("Проект: Блок питания «БП-12»\\. Лист составлен (\\d\\d\\.\\d\\d\\.\\d{4} в "
                     "\\d\\d:\\d\\d)\\."));
  const QRegularExpressionMatch found = stamp.match(text);
  ASSERT_TRUE(found.hasMatch()) << text.toStdString();
  const QDateTime made =
      QDateTime::fromString(found.captured(1), QStringLiteral("dd.MM.yyyy в HH:mm"));
  const auto minute = [](QDateTime t) {
    return t.addSecs(-t.time().second()).addMSecs(-t.time().msec());
  };
  EXPECT_GE(made, minute(before));
  EXPECT_LE(made, minute(after));
  EXPECT_EQ(Title(Read(path)), "Блок питания «БП-12» — План намотки: Помещается");
}

TEST_F(RenderedSheet, SaysWhenTheRunHasNoNotes) {
  const QString text = TextOf(Saved(kStartInputs));
  EXPECT_TRUE(text.contains(QStringLiteral("Замечания к расчету: нет.")));
}

struct DrawnCase {
  const char* name;
  Inputs inputs;
  bool whole;  // the shell window's whole height drawn
};

void PrintTo(const DrawnCase& c, std::ostream* os) { *os << c.name; }

class DrawingOnTheSheet : public RenderedSheet, public testing::WithParamInterface<DrawnCase> {};

TEST_P(DrawingOnTheSheet, ShowsThePlansFillAndTheWindowsHeight) {
  const QImage page = PageOf(Saved(GetParam().inputs), 2);
  ASSERT_FALSE(page.isNull());
  const ui::PlannedRun& planned = plan_->Planned();
  const double drawn = DrawnFill(page);
  EXPECT_NEAR(drawn, planned.plan.fill, 0.05 * planned.plan.fill) << "drawn " << drawn;
  if (GetParam().whole) {
    const double tall = planned.input->h / planned.input->c;
    EXPECT_NEAR(DrawnHeightOverWidth(page), tall, 0.05 * tall);
  }
}

// clang-format off
const DrawnCase kDrawnCases[] = {
    {"StartRing", kStartInputs, false},
    {"Shell", {"1", "220", "12", "1", "2", "2.5", "1.2", "3", "0.35"}, true},
    {"ShellWithSeveralLayers", {"1", "220", "24", "2", "3", "4", "1.5", "4", "0.35"}, true},
    {"TightShellCutAsOnScreen", kTightShell, false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cores, DrawingOnTheSheet, testing::ValuesIn(kDrawnCases),
                         [](const testing::TestParamInfo<DrawnCase>& info) {
                           return info.param.name;
                         });

}  // namespace
