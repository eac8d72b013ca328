// The engine's replacements of the std functions the WebAssembly toolchain lacks, against the
// standard library itself: a native build with TS_FORCE_STD_FALLBACKS has both.
#include "values/std_compat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace values::compat {
namespace {

#if defined(TS_STD_FALLBACKS) && defined(__cpp_lib_to_chars)

std::string Text(char* first, std::to_chars_result result) {
  EXPECT_EQ(result.ec, std::errc{});
  return std::string(first, result.ptr);
}

// Every kind of double: random bit patterns, and the edges where shortest digits are awkward.
std::vector<double> Doubles() {
  std::vector<double> xs = {0.0,
                            -0.0,
                            1.0,
                            0.1,
                            0.3,
                            1e21,
                            1e22,
                            1e23,
                            123456.0,
                            1234567.0,
                            5e-324,
                            2.2250738585072014e-308,
                            1.7976931348623157e308,
                            9007199254740993.0,
                            0.000123,
                            1e-5,
                            18.0,
                            38.47,
                            562.0};
  for (int e = -1074; e <= 1023; e += 7) xs.push_back(std::ldexp(1.0, e));  // powers of two
  std::mt19937_64 random(20261208);
  for (int k = 0; k < 100000; ++k) {
    const double x = BitCast<double>(random());
    if (std::isfinite(x)) xs.push_back(x);
  }
  return xs;
}

TEST(StdCompat, ShortestTextIsTheStandardOne) {
  for (const double x : Doubles()) {
    char ours[64];
    char theirs[64];
    ASSERT_EQ(Text(ours, detail::ShortestChars(ours, ours + sizeof ours, x)),
              Text(theirs, std::to_chars(theirs, theirs + sizeof theirs, x)))
        << std::hexfloat << x;
  }
}

TEST(StdCompat, FixedAndScientificTextsAreTheStandardOnes) {
  for (const double x : Doubles()) {
    char ours[400];
    char theirs[400];
    for (const int precision : {0, 2, 14, 17}) {
      ASSERT_EQ(Text(ours, detail::PrintfChars(ours, ours + sizeof ours, x, false, precision)),
                Text(theirs, std::to_chars(theirs, theirs + sizeof theirs, x,
                                           std::chars_format::scientific, precision)));
      if (std::fabs(x) > 1e60) continue;
      ASSERT_EQ(Text(ours, detail::PrintfChars(ours, ours + sizeof ours, x, true, precision)),
                Text(theirs, std::to_chars(theirs, theirs + sizeof theirs, x,
                                           std::chars_format::fixed, precision)));
    }
  }
}

TEST(StdCompat, TooSmallABufferIsRefusedAsByTheStandard) {
  char ours[3];
  EXPECT_EQ(detail::ShortestChars(ours, ours + sizeof ours, 1234.5).ec, std::errc::value_too_large);
}

TEST(StdCompat, ReadingStopsAndFailsWhereTheStandardDoes) {
  const std::string long_digits(500, '7');
  for (const std::string_view text :
       std::initializer_list<std::string_view>{"1",
                                               "-0",
                                               "0.5",
                                               ".5",
                                               "5.",
                                               ".",
                                               "-",
                                               "",
                                               "+1",
                                               " 1",
                                               "1e",
                                               "1e+",
                                               "1e-5x",
                                               "1.2.3",
                                               "1e400",
                                               "-1e400",
                                               "1e-400",
                                               "4.9e-324",
                                               "2.4703282292062328e-324",
                                               "0x10",
                                               "inf",
                                               "-Infinity",
                                               "infinit",
                                               "nan",
                                               "NaN(abc_1)",
                                               "nan(",
                                               "nan()x",
                                               "00012.5000e+0002",
                                               std::string_view(long_digits),
                                               "0.000000000000000000000000000000001"}) {
    double ours = -7;
    double theirs = -7;
    const char* end = text.data() + text.size();
    const auto a = detail::ParseChars(text.data(), end, ours);
    const auto b = std::from_chars(text.data(), end, theirs);
    EXPECT_EQ(a.ptr - text.data(), b.ptr - text.data()) << text;
    EXPECT_EQ(a.ec, b.ec) << text;
    if (a.ec == std::errc{} && !std::isnan(theirs)) {
      EXPECT_EQ(BitCast<std::uint64_t>(ours), BitCast<std::uint64_t>(theirs)) << text;
    }
    if (std::isnan(theirs)) {
      EXPECT_TRUE(std::isnan(ours)) << text;
    }
  }
}

#else

TEST(StdCompat, ComparedOnlyInABuildThatForcesTheReplacements) {
  GTEST_SKIP() << "configure with -DTS_FORCE_STD_FALLBACKS=ON on a native build";
}

#endif

}  // namespace
}  // namespace values::compat
