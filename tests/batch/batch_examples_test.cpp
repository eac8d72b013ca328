#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "batch/batch_tool.h"
#include "read_all.h"

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

TEST_P(BatchExampleTest, ReproducesTheExpectedOutputByteForByte) {
  const fs::path in_path = fs::path(TS_EXAMPLES_DIR) / (GetParam() + ".in");
  const std::string input = ReadAll(in_path);
  const int expected_exit = input.find("# expect-exit: 2") != std::string::npos ? 2 : 0;

  const std::string path = in_path.string();
  const char* args[] = {path.c_str()};
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  const int status = RunBatchTool(args, stdin, out, err);

  EXPECT_EQ(status, expected_exit);
  EXPECT_EQ(ReadAll(out), ReadAll(fs::path(TS_EXAMPLES_DIR) / (GetParam() + ".out")));
  const std::string errors = ReadAll(err);
  if (expected_exit == 0) {
    EXPECT_EQ(errors, "");
  } else {
    EXPECT_NE(errors.find(path + ":"), std::string::npos) << errors;
  }
  std::fclose(out);
  std::fclose(err);
}

INSTANTIATE_TEST_SUITE_P(Examples, BatchExampleTest, ::testing::ValuesIn(ExampleNames()),
                         [](const auto& info) { return info.param; });

TEST(BatchExamples, AreAllThere) { EXPECT_GE(ExampleNames().size(), 37u); }

}  // namespace
}  // namespace batch
