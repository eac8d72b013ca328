// What a note quotes from a field: valid UTF-8 whatever the field holds (the page sends it as
// JSON, the window as a tooltip), trimmed, and cut on a whole character.
#include "calc/utf8_text.h"

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

}  // namespace
}  // namespace calc
