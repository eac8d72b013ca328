#include "values/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "values/fault.h"
#include "values/std_compat.h"

namespace values {
namespace {

struct ReadCase {
  const char* text;
  double expected;
};

class ReadNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber) {
  const ReadCase& c = GetParam();
  const double got = ReadNumber(c.text);
  EXPECT_EQ(got, c.expected) << '"' << c.text << '"';
  EXPECT_EQ(std::signbit(got), std::signbit(c.expected)) << '"' << c.text << '"';
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    ::testing::Values(
        ReadCase{"", 0}, ReadCase{"220", 220}, ReadCase{"1.5", 1.5}, ReadCase{"-3", -3},
        ReadCase{"+4", 4}, ReadCase{"  \t7", 7}, ReadCase{".5", 0.5}, ReadCase{"5.", 5},
        ReadCase{"1e3", 1000}, ReadCase{"1E+3", 1000}, ReadCase{"2.5e-1", 0.25}, ReadCase{"1e", 1},
        ReadCase{"1e+", 1}, ReadCase{"e5", 0}, ReadCase{".e5", 0}, ReadCase{"1.5A", 1.5},
        ReadCase{"12abc", 12}, ReadCase{"0,2", 0}, ReadCase{"1 000", 1}, ReadCase{"1.2.3", 1.2},
        ReadCase{"abc", 0}, ReadCase{"-", 0}, ReadCase{"+-1", 0}, ReadCase{"- 1", 0},
        ReadCase{"\n1", 0}, ReadCase{"-0", -0.0}, ReadCase{"0.35", 0.35}, ReadCase{"0.350", 0.35},
        ReadCase{"0x10", 0}, ReadCase{"inf", 0}, ReadCase{"nan", 0}, ReadCase{"1e400", kInf},
        ReadCase{"-1e400", -kInf}, ReadCase{"1e-400", 0}, ReadCase{"-1e-400", -0.0},
        ReadCase{"4.9e-324", 4.9406564584124654e-324}, ReadCase{"2e-324", 0},
        ReadCase{"1.7976931348623159e308", kInf},
        ReadCase{"1.7976931348623157e308", 1.7976931348623157e308},
        ReadCase{"0.0000000001e400", kInf}, ReadCase{"100000e-330", 0}, ReadCase{"5e-400", 0},
        ReadCase{"1e99999999999999999999999", kInf}, ReadCase{"0.1e-99999999999999999999999", 0},
        ReadCase{"0000000000000000000000000000012", 12}));

TEST(ReadLeadingNumber, EndsWhereReadingStops) {
  struct Case {
    const char* text;
    std::size_t length;
  };
  for (const Case& c :
       {Case{"", 0}, Case{"  ", 0}, Case{"abc", 0}, Case{"-", 0}, Case{",5", 0}, Case{" .e5", 0},
        Case{"220", 3}, Case{" \t-1.5A", 6}, Case{"0,35", 1}, Case{"1 000", 1}, Case{"1.2.3", 3},
        Case{"5.", 2}, Case{"1e3x", 3}, Case{"1e", 1}, Case{"1e+", 1}, Case{"2.5e-1 В", 6}}) {
    const LeadingNumber read = ReadLeadingNumber(c.text);
    EXPECT_EQ(read.length, c.length) << '"' << c.text << '"';
    EXPECT_EQ(read.value, ReadNumber(c.text)) << '"' << c.text << '"';
  }
}

TEST(ReadNumber, FourHundredDigitsIsBeyondTheRange) {
  EXPECT_EQ(ReadNumber("1" + std::string(400, '0')), kInf);
  EXPECT_EQ(ReadNumber("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(ReadNumber(std::string(400, '0') + "1"), 1);
}

TEST(ReadNumber, MatchesStrtodOnRandomDecimals) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int> exponent(-330, 310);
  std::uniform_int_distribution<long long> mantissa(0, 99999999999999999);
  for (int i = 0; i < 20000; ++i) {
    char text[64];
    std::snprintf(text, sizeof text, "%lld.%llde%d", mantissa(random) % 1000, mantissa(random),
                  exponent(random));
    EXPECT_EQ(ReadNumber(text), std::strtod(text, nullptr)) << text;
  }
}

TEST(ReadNumber, MatchesStrtodOnPlainDecimals) {
  std::mt19937_64 random(13);
  std::uniform_int_distribution<int> length(0, 19);
  for (int i = 0; i < 50000; ++i) {
    // Up to nineteen digits on either side of the point, so that both readings are taken.
    std::string text = i % 3 == 0 ? "-" : "";
    for (int k = length(random); k > 0; --k) text += static_cast<char>('0' + random() % 10);
    if (i % 4 != 0) text += '.';
    for (int k = length(random); k > 0; --k) text += static_cast<char>('0' + random() % 10);
    if (i % 7 == 0) text += "e-3";
    const double got = ReadNumber(text);
    const double expected = std::strtod(text.c_str(), nullptr);
    EXPECT_EQ(got, expected) << text;
    EXPECT_EQ(std::signbit(got), std::signbit(expected)) << text;
  }
}

TEST(ReadFixedText, AcceptsOnlyWhatFixedFormattingWrites) {
  EXPECT_EQ(ReadFixedText("38.47"), 38.47);
  EXPECT_EQ(ReadFixedText("-0.15"), -0.15);
  EXPECT_EQ(ReadFixedText("570"), 570);
  EXPECT_EQ(ReadFixedText("0.05"), 0.05);
  for (const char* text : {"", "-", ".5", "5.", " 1", "1 ", "+1", "1e3", "1,5", "abc", "--1", "007",
                           "00.10", "-0.00", "-0"}) {
    EXPECT_FALSE(ReadFixedText(text)) << '"' << text << '"';
  }
}

struct RoundCase {
  double x;
  int expected;
};

TEST(RoundToInt16, NearestWithHalvesToEven) {
  const RoundCase cases[] = {
      {2.5, 2},          {3.5, 4},         {2.7, 3},         {0.5, 0},
      {-0.5, 0},         {-1.5, -2},       {0, 0},           {7, 7},
      {32767, 32767},    {32767.4, 32767}, {-32768, -32768}, {-32768.5, -32768},
      {-32767.5, -32768}};
  for (const RoundCase& c : cases) EXPECT_EQ(RoundToInt16(c.x), c.expected) << c.x;
}

TEST(RoundToInt16, OutsideTheRangeOverflows) {
  for (const double x : {32767.5, 32768.0, 40000.0, -32768.51, -32769.0, 1e300, kInf, -kInf}) {
    try {
      RoundToInt16(x);
      ADD_FAILURE() << x << " did not fault";
    } catch (const Fault& fault) {
      EXPECT_EQ(fault.kind(), FaultKind::Overflow) << x;
    }
  }
}

struct FixedCase {
  double x;
  int decimals;
  const char* expected;
};

class FormatFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, RoundsFifteenDigitsHalfAwayFromZero) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(FormatFixedNumber(c.x, c.decimals).text, c.expected) << c.x;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixedTest,
    ::testing::Values(
        FixedCase{38.465, 2, "38.47"}, FixedCase{3.14 * 7 * 7 / 4, 2, "38.47"},
        FixedCase{1.005, 2, "1.01"}, FixedCase{0.125, 2, "0.13"}, FixedCase{2.5, 0, "3"},
        FixedCase{-2.5, 0, "-3"}, FixedCase{0.5, 0, "1"}, FixedCase{0.49, 0, "0"},
        FixedCase{570.401, 0, "570"}, FixedCase{0.09997, 2, "0.10"}, FixedCase{84, 2, "84.00"},
        FixedCase{0, 2, "0.00"}, FixedCase{-0.0, 2, "0.00"}, FixedCase{-0.004, 2, "0.00"},
        FixedCase{-0.005, 2, "-0.01"}, FixedCase{-0.4, 0, "0"}, FixedCase{0.001, 2, "0.00"},
        FixedCase{0.005, 2, "0.01"}, FixedCase{0.0049999, 2, "0.00"}, FixedCase{9.995, 2, "10.00"},
        FixedCase{99.5, 0, "100"}, FixedCase{999999.995, 2, "1000000.00"},
        FixedCase{1e-300, 2, "0.00"}, FixedCase{123456789012.345, 2, "123456789012.35"},
        FixedCase{1e15, 0, "1000000000000000"}, FixedCase{1.5e20, 2, "150000000000000000000.00"},
        FixedCase{0.1 + 0.2, 2, "0.30"}, FixedCase{-0.15, 2, "-0.15"},
        FixedCase{1.23456789012345678, 2, "1.23"}, FixedCase{0.000005, 5, "0.00001"}));

TEST(FormatFixed, NonFiniteOverflows) {
  for (const double x : {kInf, -kInf, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_THROW(FormatFixedNumber(x), Fault);
  }
}

TEST(FormatFixed, ReadsBackAsTheNumberItShows) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> unit(-1, 1);
  std::uniform_int_distribution<int> scale(-8, 24);
  for (int i = 0; i < 20000; ++i) {
    const double x = unit(random) * std::pow(10.0, scale(random));
    for (const int decimals : {0, 2}) {
      const FixedNumber fixed = FormatFixedNumber(x, decimals);
      const std::string& text = fixed.text;
      const auto back = ReadFixedText(text);
      ASSERT_TRUE(back) << text;
      EXPECT_EQ(values::compat::BitCast<std::uint64_t>(fixed.shown),
                values::compat::BitCast<std::uint64_t>(*back))
          << text;
      EXPECT_EQ(FormatFixedNumber(*back, decimals).text, text) << x;
      EXPECT_LE(std::fabs(*back - x),
                0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(x) * 1e-14)
          << x << " -> " << text;
    }
  }
}

// x rounded to fifteen significant digits by printf, then to `decimals` by hand, half away
// from zero.
std::string FixedByPrintf(double x, int decimals) {
  char scientific[64];
  std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(x));
  std::string digits = std::string(scientific, 1) + std::string(scientific + 2, 14);
  const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
  // Place the point: `whole` digits before it, padding with zeros either side.
  int whole = exponent + 1;
  if (whole < 1) {
    digits.insert(0, static_cast<std::size_t>(1 - whole), '0');
    whole = 1;
  }
  const auto wanted = static_cast<std::size_t>(whole + decimals);
  if (digits.size() < wanted + 1) digits.resize(wanted + 1, '0');
  const bool up = digits[wanted] >= '5';
  digits.resize(wanted);
  if (up) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
      ++whole;
    } else {
      ++digits[i - 1];
    }
  }
  while (whole > 1 && digits.front() == '0') {
    digits.erase(digits.begin());
    --whole;
  }
  std::string text = digits.substr(0, static_cast<std::size_t>(whole));
  if (decimals > 0) text += "." + digits.substr(static_cast<std::size_t>(whole));
  const bool zero = text.find_first_not_of("0.") == std::string::npos;
  return (std::signbit(x) && !zero ? "-" : "") + text;
}

TEST(FormatFixed, MatchesPrintfDigitsRoundedByHand) {
  std::mt19937_64 random(17);
  std::uniform_real_distribution<double> exponent(-8, 22);
  for (int i = 0; i < 40000; ++i) {
    const double x = (i % 2 ? -1 : 1) * std::pow(10.0, exponent(random));
    const int decimals = i % 6;
    ASSERT_EQ(FormatFixedNumber(x, decimals).text, FixedByPrintf(x, decimals)) << x;
  }
  // Halves of the last place, and doubles a few steps beside them, where fifteen digits may or
  // may not reach the half, at every scale of a figure.
  const auto beside = [](double x, int steps) {
    for (int k = 0; k < std::abs(steps); ++k) x = std::nextafter(x, steps < 0 ? 0.0 : 1e300);
    return x;
  };
  for (int k = 0; k < 20000; ++k) {
    const int decimals = k % 4;
    const double half = (k / 4 + 0.5) / std::pow(10.0, decimals) * (k % 3 == 0 ? 1000 : 1);
    for (const int steps : {0, -1, 1, -4, 4, -20, 20}) {
      const double x = beside(half, steps);
      ASSERT_EQ(FormatFixedNumber(x, decimals).text, FixedByPrintf(x, decimals)) << x;
      ASSERT_EQ(FormatFixedNumber(-x, decimals).text, FixedByPrintf(-x, decimals)) << x;
    }
  }
}

struct GeneralCase {
  double x;
  const char* expected;
};

class FormatGeneralTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralTest, WritesUpToFifteenSignificantDigits) {
  char buffer[kGeneralTextCapacity];
  const GeneralCase& c = GetParam();
  EXPECT_EQ(std::string(buffer, FormatGeneral(c.x, buffer)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneralTest,
    ::testing::Values(GeneralCase{18, "18"}, GeneralCase{1.7, "1.7"}, GeneralCase{0.19, "0.19"},
                      GeneralCase{10, "10"}, GeneralCase{1.5 * 12, "18"}, GeneralCase{-18, "-18"},
                      GeneralCase{0, "0"}, GeneralCase{-0.0, "0"}, GeneralCase{0.1 + 0.2, "0.3"},
                      GeneralCase{1e15, "1e+15"}, GeneralCase{1.5e-5, "1.5e-05"},
                      GeneralCase{0.0001, "0.0001"}, GeneralCase{-0.00015, "-0.00015"},
                      GeneralCase{123456789012345, "123456789012345"},
                      GeneralCase{1234567890123456, "1.23456789012346e+15"},
                      GeneralCase{1.7976931348623157e308, "1.79769313486232e+308"},
                      GeneralCase{4.9406564584124654e-324, "4.94065645841247e-324"},
                      GeneralCase{2.0 / 3, "0.666666666666667"}, GeneralCase{1e100, "1e+100"}));

TEST(FormatGeneral, MatchesPrintfOnRandomDoubles) {
  std::mt19937_64 random(3);
  char buffer[kGeneralTextCapacity];
  char expected[64];
  for (int i = 0; i < 50000; ++i) {
    double x;
    const std::uint64_t bits = random();
    std::memcpy(&x, &bits, sizeof x);
    if (!std::isfinite(x) || x == 0) continue;
    std::snprintf(expected, sizeof expected, "%.15g", x);
    EXPECT_EQ(std::string(buffer, FormatGeneral(x, buffer)), expected);
  }
}

TEST(FormatGeneral, MatchesPrintfWhereItWritesNoExponent) {
  std::mt19937_64 random(19);
  std::uniform_real_distribution<double> exponent(-6, 16);
  char buffer[kGeneralTextCapacity];
  char expected[64];
  for (int i = 0; i < 50000; ++i) {
    double x = (i % 2 ? -1 : 1) * std::pow(10.0, exponent(random));
    // Short decimals too, whose fifteen digits end in zeros, and whole numbers.
    if (i % 3 == 0) x = std::round(x * 1000) / 1000;
    if (i % 3 == 1) x = std::round(x);
    if (x == 0) continue;  // written "0" whatever its sign
    std::snprintf(expected, sizeof expected, "%.15g", x);
    ASSERT_EQ(std::string(buffer, FormatGeneral(x, buffer)), expected);
  }
}

TEST(Decimal15, AgreesWithPrintfOnLongDigitStringsAndSubnormals) {
  std::mt19937_64 random(5);
  for (int i = 0; i < 50000; ++i) {
    double x;
    // Every other draw is a subnormal, where doubles are spaced more coarsely.
    const std::uint64_t mask = i % 2 ? ~(std::uint64_t{1} << 63) : (std::uint64_t{1} << 52) - 1;
    const std::uint64_t bits = random() & mask;
    std::memcpy(&x, &bits, sizeof x);
    if (!std::isfinite(x) || x == 0) continue;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.14e", x);
    const detail::Decimal15 d = detail::ToDecimal15(x);
    std::string digits(expected, 1);
    digits += std::string(expected + 2, 14);
    ASSERT_EQ(d.significand, std::stoull(digits)) << expected;
    EXPECT_EQ(d.exponent, std::atoi(std::strchr(expected, 'e') + 1)) << expected;
  }
}

}  // namespace
}  // namespace values

namespace values {
namespace {

std::string ExactFixed(double x, int decimals) {
  std::string out;
  AppendExactFixed(x, decimals, out);
  return out;
}

// The exact decimal expansion of x, rounded by hand half away from zero.
std::string RoundedByHand(double x, int decimals) {
  std::string exact(1200, '\0');
  exact.resize(
      static_cast<std::size_t>(std::snprintf(exact.data(), exact.size(), "%.1100f", std::fabs(x))));
  const std::size_t point = exact.find('.');
  std::string digits = exact.substr(0, point) + exact.substr(point + 1, decimals);
  if (exact[point + 1 + decimals] >= '5') {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }
  const std::size_t whole = digits.size() - static_cast<std::size_t>(decimals);
  std::string text = digits.substr(0, whole);
  if (decimals > 0) text += "." + digits.substr(whole);
  const bool zero = text.find_first_not_of("0.") == std::string::npos;
  return (std::signbit(x) && !zero ? "-" : "") + text;
}

TEST(AppendExactFixed, RoundsTheExactValueHalfAwayFromZero) {
  struct Case {
    double x;
    int decimals;
    const char* text;
  };
  for (const Case& c : {
           Case{0, 2, "0.00"},
           Case{-0.0, 1, "0.0"},
           Case{0.125, 2, "0.13"},
           Case{-0.125, 2, "-0.13"},
           Case{0.375, 2, "0.38"},
           Case{2.5, 0, "3"},
           Case{-2.5, 0, "-3"},
           Case{0.5, 0, "1"},
           Case{0.49999999999999994, 0, "0"},
           // Below its decimal text: fifteen-digit rounding would say 1.01, the exact value 1.00.
           Case{1.005, 2, "1.00"},
           Case{70.7905, 3, "70.790"},
           Case{7.4, 1, "7.4"},
           Case{-0.004, 2, "0.00"},
           Case{1e-300, 3, "0.000"},
           Case{5e-324, 0, "0"},
           Case{1098, 0, "1098"},
           Case{82.554999999999993, 2, "82.55"},
           Case{1e20, 2, "100000000000000000000.00"},
           Case{123456789.125, 2, "123456789.13"},
           // Zeros inside the digits, and the figures about the eight digits one word holds.
           Case{1000, 3, "1000.000"},
           Case{7, 2, "7.00"},
           Case{0.0005, 3, "0.001"},
           Case{0.00049, 3, "0.000"},
           Case{10000.05, 1, "10000.0"},
           Case{12345678, 0, "12345678"},
           Case{99999999.4, 0, "99999999"},
           Case{99999999.5, 0, "100000000"},
           Case{99999.99949999999, 3, "99999.999"},
           Case{99999.9999, 3, "100000.000"},
       }) {
    EXPECT_EQ(ExactFixed(c.x, c.decimals), c.text) << c.x << " to " << c.decimals;
  }
  EXPECT_EQ(ExactFixed(1.7976931348623157e308, 1), RoundedByHand(1.7976931348623157e308, 1));
}

TEST(AppendExactFixed, MatchesTheExactExpansionOnRandomDoubles) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-12, 22);
  for (int i = 0; i < 20000; ++i) {
    const double x = (i % 2 ? -1 : 1) * std::pow(10.0, exponent(random));
    const int decimals = i % 10;
    ASSERT_EQ(ExactFixed(x, decimals), RoundedByHand(x, decimals)) << x;
  }
  // Exact halves at every scale that the decimals reach.
  for (int k = 0; k < 2000; ++k) {
    const double x = (k + 0.5) / 8;
    ASSERT_EQ(ExactFixed(x, 2), RoundedByHand(x, 2)) << x;
  }
}

// Doubles next to a decimal half, where one bit of the rounding decides; random doubles almost
// never land there. Whole parts of every size up to where a double has no fraction left.
TEST(AppendExactFixed, RoundsTheDoublesBesideAHalfLikeTheExactExpansion) {
  std::mt19937_64 random(11);
  const double wholes[] = {0, 1, 9, 99, 461, 1857, 65535, 1e6 + 3, 34359738369.0, 0x1p52 - 1};
  for (int decimals = 0; decimals <= 9; ++decimals) {
    const auto unit = static_cast<std::uint64_t>(std::pow(10, decimals));
    for (const double whole : wholes) {
      for (int k = 0; k < 40; ++k) {
        const double fraction = static_cast<double>(random() % unit) + 0.5;
        const double half = whole + fraction / static_cast<double>(unit);
        for (const double x : {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300)}) {
          ASSERT_EQ(ExactFixed(x, decimals), RoundedByHand(x, decimals)) << x << " " << decimals;
          ASSERT_EQ(ExactFixed(-x, decimals), RoundedByHand(-x, decimals)) << -x << " " << decimals;
        }
      }
    }
  }
}

}  // namespace
}  // namespace values
