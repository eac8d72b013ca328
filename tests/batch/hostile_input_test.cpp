// The batch tool under hostile input, called in-process and run as a process: every case must
// give the same answer both ways.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/batch_tool.h"
#include "read_all.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMegabyte = 1 << 20;

const std::string kStartOut =
    "18\t1.7\t4.7\t0.19\t10\t38.47\t570\tПодходит\t0.93\t0.10\t0.02\t0.32\t0.16\t0.64\t562\t50\t";

std::string Line(std::initializer_list<std::string_view> fields) {
  std::string line;
  for (const std::string_view field : fields) {
    line += field;
    line += '\t';
  }
  line.back() = '\n';
  return line;
}

// The start inputs with field `index` (0 = Text1) replaced.
std::string StartWith(std::size_t index, std::string_view field) {
  std::vector<std::string> fields = {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"};
  fields[index] = field;
  std::string line = fields[0];
  for (std::size_t i = 1; i < fields.size(); ++i) line += '\t' + fields[i];
  return line + '\n';
}

const std::string kStartLine = StartWith(0, "3");

// A run that faulted after showing the load power: Label26 and fifteen cleared labels.
std::string AfterLoadPower(std::string_view pn, std::string_view status) {
  return std::string(pn) + std::string(16, '\t') + std::string(status) + '\n';
}

// Any bytes but the field and line separators, the same every time.
std::string Garbage(std::size_t size) {
  std::string text(size, '\0');
  unsigned state = 12345;
  for (char& c : text) {
    do {
      state = state * 1103515245 + 12345;
      c = static_cast<char>(state >> 16);
    } while (c == '\t' || c == '\n');
  }
  return text;
}

struct HostileCase {
  HostileCase(std::string name, std::string input, std::vector<std::string> args, std::string out,
              int status = batch::kExitOk, std::string err = {})
      : name(std::move(name)),
        input(std::move(input)),
        args(std::move(args)),
        out(std::move(out)),
        status(status),
        err(std::move(err)) {}

  std::string name;
  std::string input;              // bytes of {file}; on standard input when `args` is empty
  std::vector<std::string> args;  // "{file}", "{missing}" and "{dir}" stand for paths
  std::string out;
  int status;
  std::string err;  // a part of the error text ({file} expanded); empty: no error text at all
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

std::vector<HostileCase> Cases() {
  const std::vector<std::string> file = {"{file}"};
  return {
      {"MegabyteOfZerosBeforeTheNumber", StartWith(0, std::string(kMegabyte, '0') + "3"), file,
       kStartOut + "ok\n"},
      {"MegabyteOfNinesOverflows", StartWith(1, std::string(kMegabyte, '9')), file,
       AfterLoadPower("18", "overflow")},
      {"MegabyteOfGarbageAfterTheNumber", StartWith(3, "1.5" + Garbage(kMegabyte)), file,
       kStartOut + "ok\n"},
      {"MegabyteOfGarbageReadsAsZero", StartWith(0, "x" + Garbage(kMegabyte)), file,
       AfterLoadPower("18", "division-by-zero")},
      {"MegabyteOfTabsIsTooManyFields", std::string(kMegabyte, '\t') + "\n", file, "",
       batch::kExitInputError, "{file}:1:"},
      // Label26 is never cleared, so the earlier run's load power stays beside the fault.
      {"FourHundredDigitsOverflow", kStartLine + StartWith(2, "1" + std::string(399, '0')), file,
       kStartOut + "ok\n" + AfterLoadPower("18", "overflow")},
      {"FourHundredDigitsRoundToTheNearest",
       Line({"3", "220", "12", "1.5" + std::string(398, '0'), "2", "5", "7", "12",
             "0.2" + std::string(396, '0') + "1"}),
       file, kStartOut + "ok\n"},
      {"ExponentBeyondTheRange", StartWith(1, "1e400") + StartWith(1, "-1e400"), file,
       AfterLoadPower("18", "overflow") + AfterLoadPower("18", "overflow")},
      {"ExponentBelowTheRangeIsZero", StartWith(1, "1e-400"), file,
       AfterLoadPower("18", "division-by-zero")},
      {"CoreFormBeyondTheRangeKeepsTheLabels", kStartLine + StartWith(0, "1e400"), file,
       kStartOut + "ok\n" + kStartOut + "overflow\n"},
      // The turns come out as the largest double, whose text would read back as infinity.
      {"TurnsAtTheLargestDoubleOverflow",
       Line({"1", "5.96935140567308e306", "12", "1.5", "1", "1", "7", "12", "0.2"}), file,
       "18\t1.3\t2.6\t0.27\t1\t84.00\t74\tПодходит\t0.93\t0.00\t\t\t\t\t\t\toverflow\n"},
      {"NulEndsTheNumber", StartWith(0, std::string("3\0\0x", 4)), file, kStartOut + "ok\n"},
      // A line without any number is told as a probable header row.
      {"NulAloneIsAnEmptyNumber", std::string("\0\n", 2), file,
       AfterLoadPower("0", "division-by-zero"), batch::kExitOk,
       "{file}:1: ни в одном поле строки нет числа"},
      {"ControlCharactersAreNotBlanks",
       StartWith(1, "\v220") + StartWith(1, "\f220") +
           StartWith(1,
                     "\x1b"
                     "220"),
       file,
       AfterLoadPower("18", "division-by-zero") + AfterLoadPower("18", "division-by-zero") +
           AfterLoadPower("18", "division-by-zero")},
      {"SpacesBeforeTheNumberAreSkipped", StartWith(1, "   220"), file, kStartOut + "ok\n"},
      {"InvalidUtf8AfterTheNumbers",
       "#\xff\xfe comment\n" + Line({"3\xff\xfe", "220\xc0\xaf", "12", "1.5\xed\xa0\x80", "2",
                                     "5\x80", "7", "12", "0.2\xf8\x88\x80\x80\x80"}),
       file, kStartOut + "ok\n"},
      {"CrlfLineEnds", "\r\n" + StartWith(8, "0.2\r") + StartWith(8, "0.2\r"), file,
       kStartOut + "ok\n" + kStartOut + "ok\n"},
      {"CarriageReturnInsideALineEndsTheNumber", StartWith(1, "220\r"), file, kStartOut + "ok\n"},
      {"TenFieldsStopTheFile",
       kStartLine + Line({"1", "2", "3", "4", "5", "6", "7", "8", "9", ""}) + kStartLine, file,
       kStartOut + "ok\n", batch::kExitInputError, "{file}:2:"},
      {"TenFieldsOnStandardInput",
       "# head\n\n" + kStartLine + StartWith(8, "0.2\t\xff"),
       {},
       kStartOut + "ok\n",
       batch::kExitInputError,
       "<стандартный ввод>:4:"},
      {"MissingFileStopsTheRun",
       kStartLine,
       {"{file}", "{missing}", "{file}"},
       kStartOut + "ok\n",
       batch::kExitInputError,
       "{missing}"},
      {"DirectoryIsUnreadable",
       kStartLine,
       {"{file}", "{dir}", "{file}"},
       kStartOut + "ok\n",
       batch::kExitInputError,
       "{dir}"},
  };
}

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

class HostileInputTest : public ::testing::TestWithParam<HostileCase> {
 protected:
  void SetUp() override {
    const HostileCase& c = GetParam();
    std::ofstream(Path("{file}"), std::ios::binary) << c.input;
    std::ofstream(dir_ / "stdin", std::ios::binary) << (c.args.empty() ? c.input : "");
  }

  std::string Path(const std::string& placeholder) const {
    if (placeholder == "{file}") return (dir_ / "input.tsv").string();
    if (placeholder == "{missing}") return (dir_ / "missing.tsv").string();
    if (placeholder == "{dir}") return dir_.string();
    return placeholder;
  }

  std::vector<std::string> Args() const {
    std::vector<std::string> args;
    for (const std::string& arg : GetParam().args) args.push_back(Path(arg));
    return args;
  }

  Outcome RunInProcess() const {
    std::FILE* in = std::fopen((dir_ / "stdin").c_str(), "rb");
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const std::vector<std::string> args = Args();
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    const int status = batch::RunBatchTool(argv, in, out, err);
    std::fclose(in);
    Outcome outcome{status, ReadAll(out), ReadAll(err)};
    std::fclose(out);
    std::fclose(err);
    return outcome;
  }

  Outcome RunAsProcess() const {
    const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, (dir_ / "stdin").c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> args = Args();
    args.insert(args.begin(), TS_BATCH_TOOL);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, TS_BATCH_TOOL, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int raw = 0;
    if (spawned != 0 || waitpid(pid, &raw, 0) != pid) return {-1, "", "not started"};
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
  }

  void Check(const Outcome& outcome) const {
    const HostileCase& c = GetParam();
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.out, c.out);
    if (c.err.empty()) {
      EXPECT_EQ(outcome.err, "");
      return;
    }
    std::string part = c.err;
    for (const char* placeholder : {"{file}", "{missing}", "{dir}"}) {
      if (const auto at = part.find(placeholder); at != std::string::npos) {
        part.replace(at, std::string_view(placeholder).size(), Path(placeholder));
      }
    }
    EXPECT_NE(outcome.err.find(part), std::string::npos) << outcome.err;
    EXPECT_TRUE(outcome.err.ends_with('\n')) << outcome.err;
  }

  TempDir temp_{"ts-hostile"};
  const fs::path& dir_ = temp_.path();
};

TEST_P(HostileInputTest, InProcess) { Check(RunInProcess()); }

TEST_P(HostileInputTest, AsProcess) { Check(RunAsProcess()); }

INSTANTIATE_TEST_SUITE_P(Batch, HostileInputTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
