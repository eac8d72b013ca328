#include "batch/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "batch/batch_session.h"

namespace batch {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::FILE* stream = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), stream);
  std::rewind(stream);
  LineReader reader(stream);
  std::vector<std::string> lines;
  while (const auto line = reader.Next()) lines.emplace_back(*line);
  EXPECT_FALSE(reader.failed());
  std::fclose(stream);
  return lines;
}

TEST(LineReader, SplitsAndDropsLineEnds) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines(""), V{});
  EXPECT_EQ(Lines("a"), V{"a"});
  EXPECT_EQ(Lines("a\n"), V{"a"});
  EXPECT_EQ(Lines("a\r\nb\r\n"), (V{"a", "b"}));
  EXPECT_EQ(Lines("a\r\r\n"), V{"a\r"});
  EXPECT_EQ(Lines("\n\n"), (V{"", ""}));
  EXPECT_EQ(Lines("\r"), V{""});
  EXPECT_EQ(Lines(std::string("a\0b\nc", 5)), (V{std::string("a\0b", 3), "c"}));
}

TEST(LineReader, KeepsLinesLongerThanItsBuffer) {
  const std::string long_line(3 << 20, '7');
  const auto lines = Lines("1\n" + long_line + "\n2");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], long_line);
  EXPECT_EQ(lines[2], "2");
}

TEST(LineReader, StopsAtALineLongerThanItsLimit) {
  const std::string text = "12345678\n" + std::string(9, '9') + "\nnot reached\n";
  std::FILE* stream = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), stream);
  std::rewind(stream);
  LineReader reader(stream, 8);
  EXPECT_EQ(reader.Next(), "12345678");
  EXPECT_EQ(reader.Next(), std::nullopt);
  EXPECT_TRUE(reader.too_long());
  EXPECT_FALSE(reader.failed());
  std::fclose(stream);
}

struct SplitCase {
  std::string line;
  LineKind kind;
  std::size_t fields;  // non-empty fields expected at the front
};

TEST(SplitLine, SortsLinesAndCountsFields) {
  const SplitCase cases[] = {
      {"", LineKind::Skip, 0},
      {"#3\t220", LineKind::Skip, 0},
      {" #3", LineKind::Run, 1},
      {"3", LineKind::Run, 1},
      {"3\t220\t12\t1.5\t2\t5\t7\t12\t0.2", LineKind::Run, 9},
      {"\t\t\t\t\t\t\t\t", LineKind::Run, 0},
      {"3\t220\t12\t1.5\t2\t5\t7\t12\t0.2\t", LineKind::TooManyFields, 0},
      {"\t\t\t\t\t\t\t\t\t", LineKind::TooManyFields, 0},
  };
  for (const SplitCase& c : cases) {
    calc::InputTexts fields;
    EXPECT_EQ(SplitLine(c.line, fields), c.kind) << c.line;
    if (c.kind != LineKind::Run) continue;
    std::size_t filled = 0;
    while (filled < fields.size() && !fields[filled].empty()) ++filled;
    EXPECT_EQ(filled, c.fields) << c.line;
  }
}

}  // namespace
}  // namespace batch
