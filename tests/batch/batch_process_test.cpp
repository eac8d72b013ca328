#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "read_all.h"

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
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("ts-batch-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

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

  fs::path dir_;
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
