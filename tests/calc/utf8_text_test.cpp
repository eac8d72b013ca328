// What a note quotes from a field: valid UTF-8 whatever the field holds (the page sends it as
// JSON, the window as a tooltip), trimmed, and cut on a whole character.
#include "calc/utf8_text.h"

#include "calc/note_words.h"

#include <gtest/gtest.h>

#include <string>

namespace calc {
namespace {

struct ShortenCase {
  const char* what;
  std::string text;
  std::string shown;
};

class ShortenedUtf8Test : public ::testing::TestWithParam<ShortenCase> {};

TEST_P(ShortenedUtf8Test, ShowsTheFieldAsAUserWouldReadIt) {
  EXPECT_EQ(ShortenedUtf8(GetParam().text, 5, "…"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortenedUtf8Test,
    ::testing::Values(ShortenCase{"blanks and a no-break space trimmed", " \t\u00a0abc\u3000 ",
                                  "abc"},
                      ShortenCase{"five units fit", "abcde", "abcde"},
                      ShortenCase{"six are cut", "abcdef", "abcde…"},
                      ShortenCase{"Cyrillic counts by letters", "толщина", "толщи…"},
                      ShortenCase{"a bad byte becomes U+FFFD",
                                  "1\xff"
                                  "2",
                                  "1\uFFFD2"},
                      ShortenCase{"a cut-off sequence too", "ab\xd0", "ab\uFFFD"},
                      ShortenCase{"an encoded surrogate too", "\xed\xa0\x80", "\uFFFD\uFFFD\uFFFD"},
                      ShortenCase{"a pair that does not fit", "abcd\U0001F600x", "abcd\uFFFD…"},
                      ShortenCase{"a pair that fits", "abc\U0001F600", "abc\U0001F600"},
                      ShortenCase{"NUL stays", std::string("a\0b", 3), std::string("a\0b", 3)}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// A field's quote reads only the start of a field that may hold a megabyte, yet says as much
// of it as a short field's: blanks before the text are no reason to quote less.
class QuotedFieldTest : public ::testing::TestWithParam<ShortenCase> {};

TEST_P(QuotedFieldTest, ReadsOnlyItsStartAndStillCutsWithTheMark) {
  EXPECT_EQ(Shortened(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuotedFieldTest,
    ::testing::Values(
        ShortenCase{"many blanks before", std::string(200, ' ') + std::string(30, 'x'),
                    std::string(24, 'x') + "…"},
        ShortenCase{"many no-break spaces before",
                    [] {
                      std::string text;
                      for (int k = 0; k < 100; ++k) text += " ";
                      return text + "abc";
                    }(),
                    "abc"},
        ShortenCase{"blanks inside beyond what is read", "abc" + std::string(200, ' ') + "def",
                    "abc" + std::string(21, ' ') + "…"},
        ShortenCase{"a megabyte of one letter", std::string(1 << 20, 'y'),
                    std::string(24, 'y') + "…"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace calc
