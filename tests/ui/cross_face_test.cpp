// One account, every face: the start input and two shell designs rendered by the plan window's
// tables, its sheet, both copies, the page's JSON and the batch tool's columns give the same
// figures and words, the engine's; so do the window's and the page's copies of all windings.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "account/account_json.h"
#include "account/copied_text.h"
#include "account/hints.h"
#include "account/planned.h"
#include "account/press.h"
#include "account/tables.h"
#include "batch/batch_session.h"
#include "check/figures.h"
#include "plan/figures.h"
#include "qt_test_app.h"
#include "ui/plan_window/winding_sheet.h"
#include "web/page_session.h"
#include "window_driver.h"

namespace {

using Json = nlohmann::json;

struct Design {
  const char* name;
  Inputs inputs;
};

// clang-format off
const Design kDesigns[] = {
    {"StartRing", kStartInputs},
    {"SmallShell", {"1", "220", "12", "1", "2", "2.5", "1.2", "3", "0.35"}},
    {"ShellOf24Volts", {"1", "220", "24", "2", "3", "4", "2", "5", "0.35"}},
};
// clang-format on

void PrintTo(const Design& d, std::ostream* os) { *os << d.name; }

calc::InputTexts Texts(const Inputs& inputs) {
  calc::InputTexts texts;
  for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = inputs[k];
  return texts;
}

// The engine's account of one press on a fresh record, the run's own turns shown.
struct EngineAccount {
  account::Calculator calculator;
  account::Press press;
  account::TakenSettings settings;
  account::Planned planned;

  explicit EngineAccount(const Inputs& inputs)
      : press(calculator.CalculateInWords(Texts(inputs))),
        planned(account::PlanPress(press, {}, account::Turns::Calculated)) {}
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A table as its rows of words: the caption, then each cell.
using Rows = std::vector<std::vector<std::string>>;

Rows RowsOf(const account::Table& table) {
  Rows rows;
  for (const account::Row& row : table.rows) {
    std::vector<std::string> words = {row.caption};
    for (const account::Cell& cell : row.cells) words.push_back(cell.text);
    rows.push_back(words);
  }
  return rows;
}

Rows RowsOf(const QTableWidget& table) {
  Rows rows;
  for (int r = 0; r < table.rowCount(); ++r) {
    std::vector<std::string> words = {table.verticalHeaderItem(r)->text().toStdString()};
    for (int c = 0; c < table.columnCount(); ++c)
      words.push_back(table.item(r, c)->text().toStdString());
    rows.push_back(words);
  }
  return rows;
}

Rows RowsOf(const Json& table) {
  Rows rows;
  for (const Json& row : table["rows"]) {
    std::vector<std::string> words = {row["caption"]};
    for (const Json& cell : row["cells"]) words.push_back(cell["text"]);
    rows.push_back(words);
  }
  return rows;
}

// The batch tool's fields of one line with --plan --check, after the sixteen labels and status.
std::vector<std::string> BatchFields(const Inputs& inputs) {
  batch::Columns columns;
  columns.plan = true;
  columns.check = true;
  batch::Session session(columns);
  std::string line;
  session.Run(Texts(inputs), line);
  line.pop_back();
  std::vector<std::string> fields;
  for (std::size_t at = 0;;) {
    const std::size_t tab = line.find('\t', at);
    fields.push_back(line.substr(at, tab - at));
    if (tab == std::string::npos) return fields;
    at = tab + 1;
  }
}

// The cell of `rows` on the row captioned `caption`, column `column`.
std::string CellOf(const Rows& rows, std::string_view caption, std::size_t column) {
  for (const std::vector<std::string>& row : rows) {
    if (row[0] == caption) return row.at(column + 1);
  }
  return "<no row " + std::string(caption) + ">";
}

class CrossFace : public testing::TestWithParam<Design> {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override {
    window_->show();
    Calculate(*window_, GetParam().inputs);
    plan_ = OpenPlan(*window_);
    QTest::keyClick(plan_->findChild<QComboBox*>(QStringLiteral("turns")), Qt::Key_Home);
    ASSERT_TRUE(expected_.planned.HasPlan());
    ASSERT_TRUE(expected_.planned.check.calculated);
  }

  Rows Windings() const { return RowsOf(account::WindingTable(expected_.planned.plan)); }
  Rows Check() const { return RowsOf(account::CheckTable(expected_.planned)); }

  // Every word the account gives of the plan and check, line by line as the faces lay them out.
  std::vector<std::string> Words() const {
    std::vector<std::string> words = account::CheckVerdicts(expected_.planned);
    words.push_back(account::TurnsWords(expected_.planned));
    words.push_back(std::string(plan::VerdictText(expected_.planned.plan.verdict)));
    for (const account::Line& line : account::SummaryLines(expected_.planned.plan)) {
      words.push_back(line.caption + " " + line.value);
    }
    for (const account::Line& line : account::SettingLines(expected_.planned)) {
      words.push_back(line.caption + " " + line.value);
    }
    return words;
  }

  EngineAccount expected_{GetParam().inputs};
  std::unique_ptr<ui::Form1> window_ = QuietWindow();
  ui::PlanWindow* plan_ = nullptr;
};

TEST_P(CrossFace, WindowTablesAreTheAccountsRows) {
  EXPECT_EQ(RowsOf(*plan_->findChild<QTableWidget*>(QStringLiteral("windings"))), Windings());
  EXPECT_EQ(RowsOf(*plan_->findChild<QTableWidget*>(QStringLiteral("check"))), Check());
  const QString verdicts = plan_->findChild<QLabel*>(QStringLiteral("checkVerdicts"))->text();
  for (const std::string& line : account::CheckVerdicts(expected_.planned)) {
    EXPECT_TRUE(verdicts.contains(Q(line))) << line;
  }
}

TEST_P(CrossFace, SheetSaysTheAccountsFiguresAndWords) {
  QImage page(QSize(2000, 2800), QImage::Format_RGB32);
  const QString sheet =
      ui::SheetText(plan_->Planned(), &page, page.size())->toPlainText().simplified();
  for (const Rows& rows : {Windings(), Check()}) {
    for (const std::vector<std::string>& row : rows) {
      std::string line;
      for (const std::string& word : row) line += (line.empty() ? "" : " ") + word;
      EXPECT_TRUE(sheet.contains(Q(line).simplified())) << line;
    }
  }
  for (const std::string& words : Words()) {
    EXPECT_TRUE(sheet.contains(Q(words).simplified())) << words;
  }
}

TEST_P(CrossFace, BothCopiesAreTheAccountsTexts) {
  window_->findChild<QAction*>(QStringLiteral("copyResults"))->trigger();
  EXPECT_EQ(
      QGuiApplication::clipboard()->text().toStdString(),
      account::ResultsText(expected_.press,
                           account::TurnMarkWords(expected_.planned, account::kPlanWindowPlace)));
  plan_->findChild<QAction*>(QStringLiteral("copyPlan"))->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            account::PlanText(expected_.press, expected_.planned));
}

TEST_P(CrossFace, PagesJsonHoldsTheAccountsRowsAndWords) {
  const Json page =
      Json::parse(account::AccountJson({expected_.press, expected_.settings, expected_.planned}));
  EXPECT_EQ(RowsOf(page["plan"]["windings"]), Windings());
  EXPECT_EQ(RowsOf(page["check"]["table"]), Check());
  EXPECT_EQ(page["check"]["verdicts"].get<std::vector<std::string>>(),
            account::CheckVerdicts(expected_.planned));
  EXPECT_EQ(page["plan"]["turns"], account::TurnsWords(expected_.planned));
  EXPECT_EQ(page["copies"]["plan"], account::PlanText(expected_.press, expected_.planned));
  EXPECT_EQ(page["turnMarks"], account::TurnMarkWords(expected_.planned, account::kPagePlace));
}

// The batch tool's columns are the account's figures: each winding's plan figures in the
// winding's column, each check figure in its design's column.
TEST_P(CrossFace, BatchColumnsAreTheAccountsFigures) {
  const std::vector<std::string> fields = BatchFields(GetParam().inputs);
  constexpr std::size_t kPlanStart = calc::kResultLabelCount + 1;
  const Rows windings = Windings();
  std::size_t at = kPlanStart + 4;
  for (std::size_t j = 0; j < account::kDescribedWindings; ++j) {
    for (const plan::WindingFigure& figure : plan::kWindingFigures) {
      EXPECT_EQ(fields.at(at++), CellOf(windings, figure.name, j)) << figure.name;
    }
  }
  const Rows check = Check();
  std::string verdict;
  check::AppendVerdict(*expected_.planned.check.calculated, verdict);
  EXPECT_EQ(fields.at(at++), verdict);
  for (const check::DesignFigure& figure : check::kDesignFigures) {
    const std::string shown = CellOf(check, figure.name, 0);
    EXPECT_EQ(fields.at(at++), shown == "—" ? "" : shown) << figure.name;
  }
  EXPECT_EQ(fields.at(at++), CellOf(check, "Число витков W1", 1));
  EXPECT_EQ(fields.at(at++), CellOf(check, "Число витков W2", 1));
  at += 2;  // the refined plan's verdict and fill
  at += 1;  // the refined check's verdict
  for (const check::Figure which : check::kRefinedFigures) {
    EXPECT_EQ(fields.at(at++), CellOf(check, check::FigureOf(which).name, 1));
  }
  EXPECT_EQ(at, fields.size());
}

// Catches the window's copy of all windings drifting from the page's: its Pt line, its turns
// or its figures.
TEST(CrossFaceAllWindings, CopiesAreThePages) {
  EnsureQtApp();
  const std::unique_ptr<ui::Form1> window = QuietWindow();
  window->show();
  Calculate(*window, kValveAmplifier);
  ui::PlanWindow* plan = OpenPlan(*window);
  DescribeValveAmplifier(*plan);
  web::PageSession page;
  const std::string_view rows[] = {"ct-c", "1", "6.3", "2", "ac", "5", "2", "ac"};
  page.SetWindings(rows);
  page.Calculate(Texts(kValveAmplifier));
  for (const auto& [key, turns] : {std::pair{Qt::Key_Home, account::Turns::Calculated},
                                   std::pair{Qt::Key_End, account::Turns::Refined}}) {
    QTest::keyClick(plan->findChild<QComboBox*>(QStringLiteral("turns")), key);
    plan->findChild<QAction*>(QStringLiteral("copyPlan"))->trigger();
    const Json answer = Json::parse(page.ChooseTurns(turns));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), answer["copies"]["plan"]);
    EXPECT_EQ(plan->findChild<QLabel*>(QStringLiteral("designPowerLine"))->text().toStdString(),
              answer["windings"]["design"]["powerLine"]);
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, CrossFace, testing::ValuesIn(kDesigns),
                         [](const testing::TestParamInfo<Design>& info) {
                           return info.param.name;
                         });

}  // namespace
