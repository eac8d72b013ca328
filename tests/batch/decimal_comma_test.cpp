#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_tool.h"
#include "read_all.h"

namespace batch {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result RunTool(const std::string& options, const std::string& input) {
  std::vector<std::string> words;
  std::istringstream line(options);
  for (std::string word; line >> word;) words.push_back(word);
  std::vector<const char*> args;
  for (const std::string& word : words) args.push_back(word.c_str());
  std::FILE* in = std::tmpfile();
  std::fwrite(input.data(), 1, input.size(), in);
  std::rewind(in);
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  Result result{RunBatchTool(args, in, out, err), ReadAll(out), ReadAll(err)};
  for (std::FILE* file : {in, out, err}) std::fclose(file);
  return result;
}

std::string Replaced(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

// A sheet saved under a Russian locale gives, with the option, what the same table saved as
// dot-decimal TAB text gives without it, in every column; only the signs differ.
TEST(DecimalComma, SheetGivesTheResultsOfTheTabFile) {
  const std::string options = "--notes --plan --check";
  const Result tab = RunTool(options + " " + TS_EXAMPLES_DOCS "/cores.tsv", "");
  const Result sheet =
      RunTool(options + " --decimal-comma " + TS_EXAMPLES_DOCS "/cores-ru.csv", "");
  EXPECT_EQ(sheet.status, 0);
  EXPECT_EQ(sheet.err, "");
  ASSERT_EQ(std::count(tab.out.begin(), tab.out.end(), '\n'), 3);
  EXPECT_EQ(tab.out.find(','), std::string::npos);
  EXPECT_EQ(Replaced(Replaced(sheet.out, ',', '.'), ';', '\t'), tab.out);
}

struct Case {
  const char* name;
  std::string options;
  std::string input;
  std::string out;  // as the tool without the option writes it, "." and TAB to be replaced
  char separator;   // what the option writes between fields
};

const std::string kStartOut =
    "18\t1.7\t4.7\t0.19\t10\t38.47\t570\tПодходит\t0.93\t0.10\t0.02\t0.32\t0.16\t0.64\t562\t50\t"
    "ok\n";
// Run once asked: the tool's tables are not ready while globals are made.
const std::string& ZeroOut() {
  static const std::string out = RunTool("", "0\n").out;
  return out;
}

const std::string& Header() {
  static const std::string out = RunTool("--header", "").out;
  return out;
}

class DecimalCommaTest : public ::testing::TestWithParam<Case> {};

TEST_P(DecimalCommaTest, ReadsAndWritesTheSheetsSigns) {
  const Case& c = GetParam();
  const Result r = RunTool("--decimal-comma " + c.options, c.input);
  EXPECT_EQ(r.status, 0);
  // Captions keep their full stops ("Макс. мощность").
  const bool header = c.options.find("--header") != std::string::npos;
  const std::size_t runs_from = header ? Header().size() : 0;
  EXPECT_EQ(r.out.substr(0, runs_from), Replaced(Header(), '\t', c.separator).substr(0, runs_from));
  EXPECT_EQ(r.out.substr(runs_from),
            Replaced(Replaced(c.out.substr(runs_from), '.', ','), '\t', c.separator));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DecimalCommaTest,
    ::testing::Values(
        Case{"Semicolons", "", "3;220;12;1,5;2;5;7;12;0,2\n", kStartOut, ';'},
        Case{"TabsStayTabs", "", "3\t220\t12\t1,5\t2\t5\t7\t12\t0,2\n", kStartOut, '\t'},
        Case{"FirstRowWithoutNumbersAndEmptyRowsAreSkipped", "",
             "# из таблицы\nФорма;U1, В;U2, В\n;;;;;;;;\n 3;220;12;1,5;2;5;7;12;0,2\n; ;\n",
             kStartOut, ';'},
        Case{"OnlyTheFirstRowIsTheHeader", "", "Форма;U1\n3;220;12;1,5;2;5;7;12;0,2\nФорма;U1\n",
             kStartOut + ZeroOut(), ';'},
        Case{"HeaderTakesTheSeparatorOfTheFirstRun", "--header", "3;220;12;1,5;2;5;7;12;0,2\n",
             Header() + kStartOut, ';'},
        Case{"HeaderWithoutRunsKeepsTab", "--header", "# пусто\n", Header(), '\t'}),
    [](const auto& info) { return std::string(info.param.name); });

// With commas read as decimals, a line with neither TAB nor ";" is one field: told, as without
// the option a line of ";" is.
TEST(DecimalComma, CommasBetweenFieldsAreTold) {
  const Result r = RunTool("--decimal-comma", "# заголовок\n3,220,12,1.5\n3,220\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Replaced(Replaced(RunTool("", "3.220\n3.220\n").out, '.', ','), '\t', ';'));
  EXPECT_EQ(r.err,
            "transformer-sizer-batch: <стандартный ввод>:2: в строке нет ни табуляций, ни «;», но "
            "числа разделены «,» - похоже, таблица сохранена с запятой между полями; с "
            "--decimal-comma запятая читается как десятичная, и вся строка прочитана как одно "
            "поле (форма магнитопровода). Сохраните таблицу с разделителем «;» или «табуляция»\n");
}

TEST(DecimalComma, IsInTheHelp) {
  EXPECT_NE(RunTool("--help", "").out.find("\n  --decimal-comma\n"), std::string::npos);
}

}  // namespace
}  // namespace batch
