#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_tool.h"
#include "read_all.h"
#include "temp_dir.h"

namespace batch {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ExampleNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(TS_EXAMPLES_DIR)) {
    if (entry.path().extension() == ".in") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class BatchExampleTest : public ::testing::TestWithParam<std::string> {};

// The options an example is run with: named by its family, or on its "# options:" line.
std::vector<std::string> OptionsOf(const std::string& name, const std::string& input) {
  std::vector<std::string> options;
  if (name.starts_with("notes_")) options.push_back("--notes");
  if (name.starts_with("plan_") || name.find("_plan_") != std::string::npos) {
    options.push_back("--plan");
  }
  if (name.starts_with("check_")) options.push_back("--check");
  constexpr std::string_view kOptionsLine = "# options:";
  if (input.starts_with(kOptionsLine)) {
    const std::size_t end = input.find('\n');
    std::istringstream line(input.substr(kOptionsLine.size(), end - kOptionsLine.size()));
    for (std::string word; line >> word;) options.push_back(word);
  }
  return options;
}

TEST_P(BatchExampleTest, ReproducesTheExpectedOutputByteForByte) {
  const fs::path in_path = fs::path(TS_EXAMPLES_DIR) / (GetParam() + ".in");
  const std::string input = ReadAll(in_path);
  const int expected_exit = input.find("# expect-exit: 2") != std::string::npos ? 2 : 0;

  const std::string path = in_path.string();
  const std::vector<std::string> options = OptionsOf(GetParam(), input);
  std::vector<const char*> args;
  for (const std::string& option : options) args.push_back(option.c_str());
  args.push_back(path.c_str());
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  const int status = RunBatchTool(args, stdin, out, err);

  EXPECT_EQ(status, expected_exit);
  EXPECT_EQ(ReadAll(out), ReadAll(fs::path(TS_EXAMPLES_DIR) / (GetParam() + ".out")));
  const std::string errors = ReadAll(err);
  if (expected_exit == 0) {
    // At most the warnings about lines of this file, a line each.
    std::istringstream lines(errors);
    for (std::string line; std::getline(lines, line);) {
      EXPECT_TRUE(line.starts_with("transformer-sizer-batch: " + path + ":")) << line;
      EXPECT_EQ(line.find("остановлена"), std::string::npos) << line;
    }
  } else {
    EXPECT_NE(errors.find(path + ":"), std::string::npos) << errors;
  }
  std::fclose(out);
  std::fclose(err);
}

// The same through the installed program, its options on the command line.
TEST_P(BatchExampleTest, ReproducesItAsAProcess) {
  const fs::path in_path = fs::path(TS_EXAMPLES_DIR) / (GetParam() + ".in");
  const std::string input = ReadAll(in_path);
  const int expected_exit = input.find("# expect-exit: 2") != std::string::npos ? 2 : 0;
  const TempDir dir("ts-example");
  const fs::path out = dir / "stdout";
  std::string command = std::string("'") + TS_BATCH_TOOL + "'";
  for (const std::string& option : OptionsOf(GetParam(), input)) command += " " + option;
  command += " '" + in_path.string() + "' >'" + out.string() + "' 2>/dev/null";
  const int raw = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), expected_exit);
  EXPECT_EQ(ReadAll(out), ReadAll(fs::path(TS_EXAMPLES_DIR) / (GetParam() + ".out")));
}

INSTANTIATE_TEST_SUITE_P(Examples, BatchExampleTest, ::testing::ValuesIn(ExampleNames()),
                         [](const auto& info) { return info.param; });

TEST(BatchExamples, AreAllThere) { EXPECT_GE(ExampleNames().size(), 37u); }

}  // namespace
}  // namespace batch
