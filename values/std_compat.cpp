#include "values/std_compat.h"

#ifndef TS_HAS_STD_DOUBLE_CHARS

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

// printf and strtod are exact (correctly rounded) in glibc and musl; the replacements below rely
// on that and on the "C" locale, which a program keeps unless it calls setlocale.
namespace values::compat::detail {

namespace {

std::to_chars_result Copy(std::string_view text, char* first, char* last) noexcept {
  if (static_cast<std::size_t>(last - first) < text.size()) {
    return {last, std::errc::value_too_large};
  }
  std::memcpy(first, text.data(), text.size());
  return {first + text.size(), std::errc{}};
}

std::string_view NonFinite(double value) noexcept {
  if (std::isinf(value)) return std::signbit(value) ? "-inf" : "inf";
  return std::signbit(value) ? "-nan" : "nan";
}

/// A positive finite double as significant digits d1 d2 … and the exponent of d1.
struct Digits {
  std::string digits;
  int exponent = 0;
};

Digits RoundedDigits(double magnitude, int count) {
  char text[40];
  std::snprintf(text, sizeof text, "%.*e", count - 1, magnitude);
  Digits d;
  const char* p = text;
  for (; *p != 'e'; ++p) {
    if (*p != '.') d.digits += *p;
  }
  d.exponent = std::atoi(p + 1);
  return d;
}

double Value(const Digits& d) {
  std::string text = d.digits;
  text += 'e';
  text += std::to_string(d.exponent - static_cast<int>(d.digits.size()) + 1);
  return std::strtod(text.c_str(), nullptr);
}

// The next number with as many digits: 9.99 becomes 10.0.
Digits NextUp(Digits d) {
  std::size_t i = d.digits.size();
  while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
  if (i == 0) {
    d.digits.insert(d.digits.begin(), '1');
    d.digits.pop_back();
    ++d.exponent;
  } else {
    ++d.digits[i - 1];
  }
  return d;
}

// The correctly rounded digits of a count fail to read back only where the value is a power of
// two, whose neighbour below is nearer than the one above; the next number up may then do.
Digits ShortestDigits(double magnitude) {
  for (int count = 1;; ++count) {
    Digits d = RoundedDigits(magnitude, count);
    const double back = Value(d);
    if (back == magnitude) return d;
    if (back < magnitude && count < 17) {
      Digits up = NextUp(d);
      if (Value(up) == magnitude) return up;
    }
  }
}

std::string Scientific(const Digits& d) {
  std::string text(1, d.digits[0]);
  if (d.digits.size() > 1) text.append(".").append(d.digits, 1);
  char exponent[8];
  std::snprintf(exponent, sizeof exponent, "e%c%02d", d.exponent < 0 ? '-' : '+',
                std::abs(d.exponent));
  return text + exponent;
}

// A whole number shows all its digits, exact as printf writes them, not the shortest ones
// padded with zeros: 2^60 is 1152921504606846976.
std::string Fixed(const Digits& d, double magnitude) {
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent < 0) {
    return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
  }
  const int whole = d.exponent + 1;
  if (count <= whole) {
    char text[320];
    std::snprintf(text, sizeof text, "%.0f", magnitude);
    return text;
  }
  return d.digits.substr(0, static_cast<std::size_t>(whole)) + "." +
         d.digits.substr(static_cast<std::size_t>(whole));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWithNoCase(const char* p, const char* last, std::string_view word) {
  if (static_cast<std::size_t>(last - p) < word.size()) return false;
  for (char c : word) {
    if ((*p++ | 0x20) != c) return false;
  }
  return true;
}

// "inf", "infinity", "nan" or "nan(chars)" at p; the end of what was read, or p.
const char* NonFiniteEnd(const char* p, const char* last, double& value, bool minus) {
  if (StartsWithNoCase(p, last, "inf")) {
    value =
        minus ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    return StartsWithNoCase(p, last, "infinity") ? p + 8 : p + 3;
  }
  if (!StartsWithNoCase(p, last, "nan")) return p;
  value = std::copysign(std::numeric_limits<double>::quiet_NaN(), minus ? -1.0 : 1.0);
  const char* end = p + 3;
  if (end == last || *end != '(') return end;
  const char* q = end + 1;
  while (q != last && (IsDigit(*q) || std::isalpha(static_cast<unsigned char>(*q)) || *q == '_')) {
    ++q;
  }
  return q != last && *q == ')' ? q + 1 : end;
}

}  // namespace

std::to_chars_result ShortestChars(char* first, char* last, double value) noexcept {
  if (!std::isfinite(value)) return Copy(NonFinite(value), first, last);
  if (value == 0) return Copy(std::signbit(value) ? "-0" : "0", first, last);
  const Digits d = ShortestDigits(std::fabs(value));
  std::string fixed = Fixed(d, std::fabs(value));
  std::string scientific = Scientific(d);
  std::string& shorter = scientific.size() < fixed.size() ? scientific : fixed;
  if (value < 0) shorter.insert(shorter.begin(), '-');
  return Copy(shorter, first, last);
}

std::to_chars_result PrintfChars(char* first, char* last, double value, bool fixed,
                                 int precision) noexcept {
  if (!std::isfinite(value)) return Copy(NonFinite(value), first, last);
  const char* format = fixed ? "%.*f" : "%.*e";
  const int size = std::snprintf(nullptr, 0, format, precision, value);
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, precision, value);
  text.pop_back();
  return Copy(text, first, last);
}

std::from_chars_result ParseChars(const char* first, const char* last, double& value) noexcept {
  const bool minus = first != last && *first == '-';
  const char* p = minus ? first + 1 : first;
  if (const char* end = NonFiniteEnd(p, last, value, minus); end != p) return {end, std::errc{}};
  bool nonzero = false;
  const char* q = p;
  for (; q != last && IsDigit(*q); ++q) nonzero = nonzero || *q != '0';
  const bool whole = q != p;
  bool fraction = false;
  if (q != last && *q == '.') {
    const char* digits = q + 1;
    const char* r = digits;
    for (; r != last && IsDigit(*r); ++r) nonzero = nonzero || *r != '0';
    fraction = r != digits;
    if (whole || fraction) q = r;
  }
  if (!whole && !fraction) return {first, std::errc::invalid_argument};
  if (q != last && (*q == 'e' || *q == 'E')) {
    const char* r = q + 1;
    if (r != last && (*r == '+' || *r == '-')) ++r;
    if (r != last && IsDigit(*r)) {
      while (r != last && IsDigit(*r)) ++r;
      q = r;
    }
  }
  const std::string text(first, q);
  const double read = std::strtod(text.c_str(), nullptr);
  if (std::isinf(read) || (read == 0 && nonzero)) return {q, std::errc::result_out_of_range};
  value = read;
  return {q, std::errc{}};
}

}  // namespace values::compat::detail

#endif
