#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "temp_dir.h"
#include "tests/batch/read_all.h"

namespace {

namespace fs = std::filesystem;

struct Case {
  const char* program;
  const char* arguments;
  int status;
  const char* outStart;  // what standard output begins with
  bool outIsWhole;       // and whether that is all of it
};

const Case kCases[] = {
    {TS_WINDOW, "--help", 0,
     "Использование: transformer-sizer [--help] [--version] [ПРОЕКТ.json]\n", false},
    {TS_WINDOW, "-h", 0, "Использование: transformer-sizer [--help] [--version] [ПРОЕКТ.json]\n",
     false},
    {TS_WINDOW, "--version", 0, "transformer-sizer " TS_VERSION "\n", true},
    // Other arguments are ignored, so they do not hide the answer.
    {TS_WINDOW, "--frobnicate --version --help", 0, "transformer-sizer " TS_VERSION "\n", true},
    {TS_BATCH, "--help", 0, "Использование: transformer-sizer-batch [ПАРАМЕТР]... [--] [ФАЙЛ]...\n",
     false},
    {TS_BATCH, "--version", 0, "transformer-sizer-batch " TS_VERSION "\n", true},
    // After "--" it is a file name, and there is no such file.
    {TS_BATCH, "-- --version", 2, "", true},
};

class InformationOptions : public testing::TestWithParam<Case> {};

// Without any display: the answers must come before Qt looks for one.
TEST_P(InformationOptions, AnswerOnStandardOutputWithoutADisplay) {
  const Case& c = GetParam();
  // CTest runs the cases in parallel processes: each needs a folder of its own.
  const TempDir dir("ts-info");
  const fs::path out = dir / "stdout", err = dir / "stderr";
  const std::string command = "cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                              std::string(c.program) + "' " + c.arguments + " </dev/null >'" +
                              out.string() + "' 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  const std::string stdoutText = ReadAll(out), stderrText = ReadAll(err);

  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), c.status);
  if (c.outIsWhole) {
    EXPECT_EQ(stdoutText, c.outStart);
  } else {
    EXPECT_TRUE(stdoutText.starts_with(c.outStart)) << stdoutText;
    EXPECT_NE(stdoutText.find("--version"), std::string::npos) << stdoutText;
  }
  if (c.status == 0) {
    EXPECT_EQ(stderrText, "");
  }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, InformationOptions, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                           return std::to_string(info.index);
                         });

}  // namespace
