#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "check/settings.h"
#include "plan/settings.h"
#include "read_all.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

struct Result {
  int status;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& text) {
  std::string quoted(1, '\'');
  quoted += text;
  quoted += '\'';
  return quoted;
}

class BatchProcessTest : public ::testing::Test {
 protected:
  fs::path Write(const std::string& name, const std::string& text) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // Runs the tool through the shell: `arguments` and an optional standard input.
  Result Run(const std::string& arguments, const std::string& input = "") {
    const fs::path in = Write("stdin", input), out = dir_ / "stdout", err = dir_ / "stderr";
    const std::string command = Quoted(TS_BATCH_TOOL) + " " + arguments + " <" +
                                Quoted(in.string()) + " >" + Quoted(out.string()) + " 2>" +
                                Quoted(err.string());
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
  }

  TempDir temp_{"ts-batch"};
  const fs::path& dir_ = temp_.path();
};

const std::string kStartLine = "3\t220\t12\t1.5\t2\t5\t7\t12\t0.2\n";
const std::string kStartOut =
    "18\t1.7\t4.7\t0.19\t10\t38.47\t570\tПодходит\t0.93\t0.10\t0.02\t0.32\t0.16\t0.64\t562\t50\t"
    "ok\n";
const std::string kCoreOneLine = "1\t220\t12\t1.5\t2\t5\t7\t12\t0.2\n";
const std::string kCoreOneOut =
    "18\t1.3\t2.6\t0.27\t10\t84.00\t740\tПодходит\t0.93\t0.11\t0.04\t0.58\t0.23\t0.86\t683\t54\t"
    "ok\n";

TEST_F(BatchProcessTest, ReadsStandardInputWithoutArguments) {
  const Result r = Run("", kStartLine);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kStartOut);
  EXPECT_EQ(r.err, "");
}

TEST_F(BatchProcessTest, FilesInTurnShareOneRecord) {
  // The second file's low-power run computes with the first file's coefficients.
  const fs::path first = Write("first.tsv", kStartLine);
  const fs::path second = Write("second.tsv", "3\t220\t12\t0.1\t2\t5\t7\t12\t0.2");
  const Result r = Run(Quoted(first.string()) + " " + Quoted(second.string()));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kStartOut +
                       "1.2\t1.7\t4.7\t0.19\t10\t38.47\t570\tПодходит\t0.93\t0.01\t0.00\t0.02\t0."
                       "00\t0.16\t602\t52\tok\n");
}

TEST_F(BatchProcessTest, DashReadsStandardInputBetweenFiles) {
  const fs::path file = Write("one.tsv", kCoreOneLine);
  const Result r = Run(Quoted(file.string()) + " -", kStartLine);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kCoreOneOut + kStartOut);
}

TEST_F(BatchProcessTest, TenFieldsStopWithFileAndLineAndKeepEarlierOutput) {
  const fs::path file =
      Write("ten.tsv", "# head\n" + kStartLine + "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n" + kStartLine);
  const Result r = Run(Quoted(file.string()));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, kStartOut);
  EXPECT_NE(r.err.find(file.string() + ":3:"), std::string::npos) << r.err;
}

TEST_F(BatchProcessTest, UnreadableFilesAreErrors) {
  const fs::path good = Write("good.tsv", kStartLine);
  for (const std::string& bad : {(dir_ / "missing.tsv").string(), dir_.string()}) {
    const Result r = Run(Quoted(good.string()) + " " + Quoted(bad) + " " + Quoted(good.string()));
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_EQ(r.out, kStartOut) << bad;
    EXPECT_NE(r.err.find(bad), std::string::npos) << r.err;
  }
}

TEST_F(BatchProcessTest, ByteOrderMarkOfASpreadsheetExportIsDropped) {
  const fs::path file = Write("bom.tsv", "\xEF\xBB\xBF" + kStartLine + "\xEF\xBB\xBF" + kStartLine);
  const Result r = Run(Quoted(file.string()));
  EXPECT_EQ(r.status, 0);
  // Only the first line of a file can carry the mark; elsewhere it stays part of the field.
  EXPECT_EQ(r.out, kStartOut +
                       "18\t1.7\t4.7\t0.19\t10\t38.47\t570\tПодходит\t0.93\t0.10\t0.02\t0."
                       "32\t0.16\t0.64\t527\t46\tok\n");
}

TEST_F(BatchProcessTest, HelpExplainsTheFormat) {
  const Result r = Run("--help");
  EXPECT_EQ(r.status, 0);
  for (const char* word : {"Использование", "табуляц", "ok", "overflow", "division-by-zero",
                           "invalid-argument", "type-mismatch", "2 -"}) {
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
  }
}

TEST_F(BatchProcessTest, UnknownOptionIsAnError) {
  const Result r = Run("--frobnicate", kStartLine);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("--frobnicate"), std::string::npos) << r.err;
}

TEST_F(BatchProcessTest, NotesFollowTheStatus) {
  const Result r = Run("--notes", "1\t220\t12\t1.5\t2\t5\t7\t12\t0,35\n" + kStartLine);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "18\t\t\t\t\t\t\tНеподходит\t\t\t\t\t\t\t\t\tok\tpartly-read:Text9 unset:Ks\n" +
                       kStartOut.substr(0, kStartOut.size() - 1) + "\t\n");
  // The decimal comma is also told on standard error, with or without --notes.
  EXPECT_TRUE(
      r.err.starts_with("transformer-sizer-batch: <стандартный ввод>:1: число с "
                        "десятичной запятой (поле 9 «0,35» прочитано как 0)"))
      << r.err;
}

TEST_F(BatchProcessTest, HeaderNamesEveryColumn) {
  for (const std::string options :
       {"--header", "--header --notes", "--plan --header", "--notes --header --plan",
        "--check --header", "--notes --plan --check --header"}) {
    const Result r = Run(options, kStartLine);
    EXPECT_EQ(r.status, 0);
    const std::string header = r.out.substr(0, r.out.find('\n') + 1);
    std::string without_header = options;
    without_header.erase(without_header.find("--header"), 8);
    EXPECT_EQ(r.out.substr(header.size()), Run(without_header, kStartLine).out) << options;
    const auto columns = std::count(header.begin(), header.end(), '\t') + 1;
    const auto fields =
        std::count(r.out.begin() + static_cast<long>(header.size()), r.out.end(), '\t') + 1;
    EXPECT_EQ(columns, fields) << options;
    EXPECT_TRUE(header.starts_with("Мощность нагрузки Pn, Вт\tМагнитная индукция Bmax\t"))
        << header;
    EXPECT_NE(header.find("\tЧисло витков во 2-й обмотке трансформатора\tИсход расчета"),
              std::string::npos)
        << header;
    if (options.find("plan") != std::string::npos) {
      EXPECT_NE(header.find("\tПлан намотки: вывод\tЗаполнение окна, %\t"), std::string::npos);
    }
    if (options.find("check") != std::string::npos) {
      // After the notes and the plan when they are given too.
      const std::string before = options.find("plan") != std::string::npos
                                     ? "\t2-я обмотка: Плотность тока, А/мм²"
                                     : "\tИсход расчета";
      EXPECT_NE(header.find(before + "\tПроверка: вывод\t"), std::string::npos) << header;
      EXPECT_TRUE(header.ends_with("\tУточненная проверка: Потери в стали, Вт\n")) << header;
    } else if (options.find("plan") != std::string::npos) {
      EXPECT_TRUE(header.ends_with("\t2-я обмотка: Плотность тока, А/мм²\n")) << header;
    }
  }
}

TEST_F(BatchProcessTest, OtherSeparatorIsToldOncePerFileWithoutChangingTheOutput) {
  const std::string semicolons = "3;220;12;1.5;2;5;7;12;0.2\n";
  const fs::path first = Write("semicolons.csv", "# head\n" + semicolons + semicolons);
  const fs::path second = Write("commas.csv", kStartLine + "3, 220, 12, 1.5\n");
  const Result r = Run(Quoted(first.string()) + " " + Quoted(second.string()));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Run("", "3\n3\n" + kStartLine + "3\n").out);
  const std::string warning = ": в строке нет табуляций, но числа разделены «;» или «,»";
  const std::string first_warning = "transformer-sizer-batch: " + first.string() + ":2" + warning;
  const std::string second_warning = "transformer-sizer-batch: " + second.string() + ":2" + warning;
  EXPECT_TRUE(r.err.starts_with(first_warning)) << r.err;
  EXPECT_NE(r.err.find("\n" + second_warning), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
}

TEST_F(BatchProcessTest, NumbersWithCommasInsideTabbedLinesAreNoOtherSeparator) {
  for (const char* line : {"1\t220\t12\t1,5\n", "3\n", "3;\n", "a;b\n", "1, a\n"}) {
    const Result r = Run("", line);
    EXPECT_EQ(r.err.find("разделены «;» или «,»"), std::string::npos) << line;
  }
}

// Lines the tool runs as written but that a user rarely means: warned once per file and kind.
struct SuspectLines {
  const char* name;
  std::string input;
  std::vector<std::string> warnings;  // each warning's text after "<file>:"
};

void PrintTo(const SuspectLines& c, std::ostream* os) { *os << c.name; }

const std::string kCommaLine = "1\t220\t12\t1,5\t2\t5\t7\t12\t0.2\n";
const std::string kHeaderLine = "Форма\tU1, В\tU2, В\tI2, А\ta\tb\tc\th\tТолщина\n";
const std::string kCommaSays =
    "число с десятичной запятой (поле 4 «1,5» прочитано как 1): запятая обрывает число, дробная "
    "часть потеряна. Отделяйте дробную часть точкой (1.5, а не 1,5) - в таблице выберите точку "
    "десятичным разделителем - или запустите с --decimal-comma";
const std::string kHeaderSays =
    "ни в одном поле строки нет числа - похоже, это заголовок таблицы; строка посчитана как "
    "расчет с нулевыми данными. Поставьте «#» в начале строки заголовка, и она будет пропущена";
const std::string kBlanksSays =
    "в строке только пробелы и табуляции; она посчитана как расчет с нулевыми данными. Удалите "
    "такие строки (пустые строки пропускаются) или поставьте «#» в их начале";

class SuspectLinesTest : public BatchProcessTest,
                         public ::testing::WithParamInterface<SuspectLines> {};

TEST_P(SuspectLinesTest, AreToldOnStandardErrorWithTheOutputUnchanged) {
  const SuspectLines& c = GetParam();
  const fs::path file = Write("table.tsv", c.input);
  const Result r = Run("--notes " + Quoted(file.string()));
  EXPECT_EQ(r.status, 0);
  // One output line per run line, and no warning among them.
  std::size_t runs = 0;
  for (std::size_t at = 0; at < c.input.size(); at = c.input.find('\n', at) + 1) {
    runs += c.input[at] != '\n' && c.input[at] != '#';
  }
  EXPECT_EQ(static_cast<std::size_t>(std::count(r.out.begin(), r.out.end(), '\n')), runs);
  EXPECT_EQ(r.out.find("transformer-sizer-batch"), std::string::npos);
  std::string expected;
  for (const std::string& warning : c.warnings) {
    expected += "transformer-sizer-batch: " + file.string() + ":" + warning + "\n";
  }
  EXPECT_EQ(r.err, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SuspectLinesTest,
    ::testing::Values(
        SuspectLines{"DecimalCommaOnceFromItsFirstLine",
                     "# комментарий\n" + kStartLine + kCommaLine + kCommaLine,
                     {"3: " + kCommaSays}},
        SuspectLines{"CommaBeforeABlankIsCutAsWell",
                     "1\t220\t12\t1.5\t2\t5\t7\t12\t0 ,35\n",
                     {"1: число с десятичной запятой (поле 9 «0 ,35» прочитано как 0)" +
                      kCommaSays.substr(kCommaSays.find(':'))}},
        // Quoted as the notes quote a field: 24 letters, whole ones, and «…».
        SuspectLines{"CommaFieldQuotedByLettersNotBytes",
                     "1\t220\t12\t1.5\t2\t5\t7\t12\t1,55 ждать ждать ждать ждать\n",
                     {"1: число с десятичной запятой (поле 9 «1,55 ждать ждать ждать ж…» прочитано "
                      "как 1)" +
                      kCommaSays.substr(kCommaSays.find(':'))}},
        SuspectLines{"HeaderRow", kHeaderLine + kStartLine + kHeaderLine, {"1: " + kHeaderSays}},
        SuspectLines{
            "BlanksAndTabs", kStartLine + " \t \n\n\t\t\n" + kStartLine, {"2: " + kBlanksSays}},
        SuspectLines{"EachKindFromItsOwnFirstLine",
                     "\t\n" + kCommaLine + kHeaderLine + kCommaLine,
                     {"1: " + kBlanksSays, "2: " + kCommaSays, "3: " + kHeaderSays}},
        SuspectLines{"CommasBetweenFieldsAreASeparatorsCase",
                     "3,220,12,1.5\n",
                     {"1: в строке нет табуляций, но числа разделены «;» или «,» - похоже, таблица "
                      "сохранена с другим разделителем полей; вся строка прочитана как одно поле "
                      "(форма магнитопровода). Сохраните таблицу как текст с разделителем "
                      "«табуляция» или, если поля разделены «;», а дробная часть - запятой, "
                      "запустите с --decimal-comma"}},
        SuspectLines{"UnitsEmptyFieldsAndCommentsAreFine",
                     "# Форма\tU1\n\n1.0\t220 В\t12\t1.5A\t2\t5\t7\t12\t0.35 мм\n3\t\t\t\n"
                     "1\t2,\t3\n",
                     {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BatchProcessTest, SuspectLinesAreToldForEachFile) {
  const fs::path first = Write("first.tsv", kCommaLine + kCommaLine);
  const fs::path second = Write("second.tsv", kStartLine + kCommaLine);
  const Result r = Run(Quoted(first.string()) + " " + Quoted(second.string()));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "transformer-sizer-batch: " + first.string() + ":1: " + kCommaSays + "\n" +
                       "transformer-sizer-batch: " + second.string() + ":2: " + kCommaSays + "\n");
}

TEST_F(BatchProcessTest, PlanFollowsTheStatusAndTheNotes) {
  const std::string plan =
      "fits\t7.4\t2.61\t64.8\t0.180\t0.217\t981\t1\t0.22\t82.59\t55.961\t18.7\t0.559\t5.595\t3."
      "93\t0.710\t0.789\t263\t1\t0.79\t7.60\t0.331\t26.8\t0.745\t0.496\t3.79\n";
  const std::string results = kStartOut.substr(0, kStartOut.size() - 1);
  EXPECT_EQ(Run("--plan", kStartLine).out, results + "\t" + plan);
  EXPECT_EQ(Run("--plan --notes", kStartLine).out, results + "\t\t" + plan);
  // Settings apply to every run; "=" and a following argument both give the value.
  const Result thick = Run("--plan --bobbin=3 --wrap 2.5 --grade 1", kStartLine);
  EXPECT_EQ(thick.status, 0);
  EXPECT_TRUE(thick.out.starts_with(results + "\tfits\t")) << thick.out;
  EXPECT_EQ(thick.out.find("\t0.217\t"), std::string::npos) << "grade 2 overall diameter";
  EXPECT_NE(thick.out.find("\t0.204\t"), std::string::npos) << "grade 1 overall diameter";
}

struct BadOption {
  const char* arguments;
  const char* says;  // part of the message
};

class BatchBadOptionTest : public BatchProcessTest,
                           public ::testing::WithParamInterface<BadOption> {};

TEST_P(BatchBadOptionTest, IsRefusedWithNothingWritten) {
  const Result r = Run(GetParam().arguments, kStartLine);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(r.err.starts_with("transformer-sizer-batch: ")) << r.err;
  EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Options, BatchBadOptionTest,
    ::testing::Values(
        BadOption{"--plan --grade 3", "--grade"}, BadOption{"--plan --grade=1.5", "--grade"},
        BadOption{"--plan --bobbin abc", "«abc»"},
        BadOption{"--plan --bobbin -1", "от 0 до 100 мм"},
        BadOption{"--plan --interlayer 100.5", "от 0 до 100 мм"},
        BadOption{"--plan --between nan", "--between"}, BadOption{"--plan --wrap inf", "--wrap"},
        BadOption{"--plan --wrap 1e400", "--wrap"}, BadOption{"--plan --wrap=", "--wrap"},
        BadOption{"--plan --bobbin", "нужно значение"},
        BadOption{"--plan --bobbin 1mm", "--bobbin"},
        BadOption{"--plan --own-wire 0.5", "неизвестный параметр"},
        BadOption{"--plans", "неизвестный параметр"}, BadOption{"--grade 1", "--grade"},
        BadOption{"--notes --wrap=0.5", "--wrap"}, BadOption{"--frequency 60", "--frequency"},
        BadOption{"--plan --limit 130", "--limit"},
        BadOption{"--check --frequency 39.9", "от 40 до 70 Гц"},
        BadOption{"--check --steel-loss 0", "--steel-loss"},
        BadOption{"--check --ambient=-40.5", "--ambient"},
        BadOption{"--check --limit 250.01", "--limit"},
        BadOption{"--check --limit", "нужно значение"},
        BadOption{"--refine-flux 1.2", "--refine-flux"},
        BadOption{"--plan --refine-flux=1.2", "только вместе с --check"},
        BadOption{"--check --refine-flux 0.09", "от 0.1 до 2.5 Тл"},
        BadOption{"--check --refine-flux 2.6", "--refine-flux"},
        BadOption{"--check --refine-flux 1.2T", "«1.2T»"},
        BadOption{"--check --refine-flux=", "--refine-flux нужно значение"}));

TEST_F(BatchProcessTest, HelpListsEveryOption) {
  const Result r = Run("--help");
  for (const char* option : {"--notes", "--plan", "--check", "--header", "--version", "fits",
                             "no-wire", "flux-high", "volts", "partly-read:TextK", "fault-at:X"}) {
    EXPECT_NE(r.out.find(option), std::string::npos) << option;
  }
  for (const auto& rules : {std::span<const values::SettingRule>(plan::kSettingRules),
                            std::span<const values::SettingRule>(check::kSettingRules)}) {
    for (const values::SettingRule& rule : rules) {
      if (rule.option.empty()) continue;
      const std::string line = "  " + std::string(rule.option) + " " + std::string(rule.argument);
      EXPECT_NE(r.out.find("\n" + line + " "), std::string::npos) << rule.option;
      EXPECT_NE(r.out.find(" (" + values::DefaultText(rule) + ").\n", r.out.find(line)),
                std::string::npos)
          << rule.option;
    }
  }
}

// With the plan and the notes, the check comes last; its settings apply to every run.
TEST_F(BatchProcessTest, CheckFollowsTheStatusNotesAndPlan) {
  const std::string results = kStartOut.substr(0, kStartOut.size() - 1);
  const Result alone = Run("--check", kStartLine);
  EXPECT_EQ(alone.status, 0);
  const std::string check = alone.out.substr(results.size());
  EXPECT_TRUE(check.starts_with("\tflux-high volts\t2.002\t19.57\t18.45\t")) << check;
  EXPECT_EQ(std::count(check.begin(), check.end(), '\t'), 27);
  const Result all = Run("--check --plan --notes", kStartLine);
  EXPECT_EQ(all.out,
            Run("--notes --plan", kStartLine).out.substr(0, all.out.size() - check.size()) + check);
  const Result cold = Run("--check --ambient=-40 --frequency 60 --limit 50 --steel-loss 0.5",
                          kStartLine + kStartLine);
  EXPECT_EQ(cold.status, 0);
  EXPECT_EQ(cold.out.find(check), std::string::npos);
  const std::string first_line = cold.out.substr(0, cold.out.find('\n') + 1);
  EXPECT_EQ(cold.out, first_line + first_line);
}

TEST_F(BatchProcessTest, VersionNamesTheTool) {
  const Result r = Run("--version");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.starts_with("transformer-sizer-batch ")) << r.out;
  EXPECT_EQ(r.err, "");
}

TEST_F(BatchProcessTest, ManyLinesCrossTheReadBlocks) {
  std::string input, expected;
  for (int i = 0; i < 60000; ++i) {
    input += i % 2 ? kStartLine : kCoreOneLine;
    expected += i % 2 ? kStartOut : kCoreOneOut;
  }
  const Result r = Run("", input);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, expected);
}

}  // namespace
