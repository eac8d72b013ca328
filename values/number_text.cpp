#include "values/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

#include "values/fault.h"

namespace values {

namespace {

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

const char* SkipDigits(const char* p, const char* end) noexcept {
  while (p != end && IsDigit(*p)) ++p;
  return p;
}

// Where the number that starts at `p` ends, by the reading rule; `p` itself when there is none.
const char* NumberEnd(const char* p, const char* end) noexcept {
  const char* int_end = SkipDigits(p, end);
  const char* q = int_end;
  bool has_digit = q != p;
  if (q != end && *q == '.') {
    const char* frac_end = SkipDigits(q + 1, end);
    has_digit = has_digit || frac_end != q + 1;
    q = frac_end;
  }
  if (!has_digit) return p;
  if (q != end && (*q == 'e' || *q == 'E')) {
    const char* e = q + 1;
    if (e != end && (*e == '+' || *e == '-')) ++e;
    const char* exp_end = SkipDigits(e, end);
    if (exp_end != e) q = exp_end;
  }
  return q;
}

// from_chars leaves the value alone when it is out of range; strtod gives an infinity above the
// range and zero below it, told apart by the decimal exponent of the first significant digit.
bool IsBeyondRange(const char* p, const char* end) noexcept {
  const char* int_end = SkipDigits(p, end);
  const char* q = p;
  while (q != int_end && *q == '0') ++q;
  long long position = 0;
  if (q != int_end) {
    position = (int_end - q) - 1;
  } else {
    q = int_end != end && *int_end == '.' ? int_end + 1 : int_end;
    const char* significant = std::find_if(q, end, [](char c) { return c != '0'; });
    position = -((significant - q) + 1);
  }
  const char* mark = std::find_if(int_end, end, [](char c) { return c == 'e' || c == 'E'; });
  long long exponent = 0;
  if (mark != end) {
    const char* e = mark + 1;
    const bool minus = e != end && *e == '-';
    if (e != end && (*e == '+' || *e == '-')) ++e;
    // Beyond any text length the exact figure no longer matters, only its sign.
    constexpr long long kCap = 1'000'000'000'000'000;
    for (; e != end && exponent < kCap; ++e) exponent = exponent * 10 + (*e - '0');
    if (minus) exponent = -exponent;
  }
  return position + exponent >= 0;
}

double ConvertDigits(const char* p, const char* end) noexcept {
  double value = 0;
  const auto [ptr, ec] = std::from_chars(p, end, value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    return IsBeyondRange(p, end) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

}  // namespace

double ReadNumber(std::string_view text) noexcept {
  const char* p = text.data();
  const char* end = p + text.size();
  while (p != end && (*p == ' ' || *p == '\t')) ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  const char* number_end = NumberEnd(p, end);
  if (number_end == p) return 0.0;
  const double magnitude = ConvertDigits(p, number_end);
  return negative ? -magnitude : magnitude;
}

std::optional<double> ReadFixedText(std::string_view text) noexcept {
  const char* p = text.data();
  const char* end = p + text.size();
  const char* digits = p != end && *p == '-' ? p + 1 : p;
  const char* q = SkipDigits(digits, end);
  if (q == digits) return std::nullopt;
  if (q != end && *q == '.') {
    const char* frac = q + 1;
    q = SkipDigits(frac, end);
    if (q == frac) return std::nullopt;
  }
  if (q != end) return std::nullopt;
  return ReadNumber(text);
}

std::int16_t RoundToInt16(double x) {
  const double rounded = std::nearbyint(x);  // the default rounding mode: halves to even
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw Fault(FaultKind::Overflow);
  return static_cast<std::int16_t>(rounded);
}

namespace detail {

Decimal15 ToDecimal15(double x) noexcept {
  Decimal15 d{};
  d.negative = std::signbit(x);
  if (x == 0) return d;
  const double magnitude = std::fabs(x);
  char text[40];
  // For a normal double, digits that already read back as x are its 15-digit rounding whenever
  // they are no more than 15: x is closer to them than half a unit in the 15th digit. Longer
  // ones, and subnormals with their coarser spacing, need the slower rounding printf does.
  auto result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
  const char* mark = std::find(text, result.ptr, 'e');
  const std::ptrdiff_t mantissa_digits = (mark - text) - (mark - text > 1 ? 1 : 0);
  if (mantissa_digits > 15 || magnitude < std::numeric_limits<double>::min()) {
    result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14);
    mark = std::find(text, result.ptr, 'e');
  }
  for (const char* p = text; p != mark; ++p) {
    if (*p != '.') d.digits[d.count++] = *p;
  }
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
  std::from_chars(mark[1] == '+' ? mark + 2 : mark + 1, result.ptr, d.exponent);
  return d;
}

}  // namespace detail

namespace {

// Adds one unit in the last place of a digit string; returns false on a carry out of the front.
bool IncrementDigits(std::string& digits) noexcept {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return true;
    }
    *it = '0';
  }
  return false;
}

// The digits of |x| × 10^decimals rounded half away from zero, without leading zeros.
std::string ScaledDigits(const detail::Decimal15& d, int decimals) {
  const int keep = d.exponent + decimals + 1;  // digits that stay in front of the rounding place
  if (d.count == 0 || keep < 0) return {};
  if (keep == 0) return d.digits[0] >= '5' ? "1" : "";
  const int taken = std::min(keep, d.count);
  std::string digits(d.digits, static_cast<std::size_t>(taken));
  digits.append(static_cast<std::size_t>(keep - taken), '0');
  if (keep < d.count && d.digits[keep] >= '5' && !IncrementDigits(digits)) {
    digits.insert(digits.begin(), '1');
  }
  return digits;
}

}  // namespace

std::string FormatFixed(double x, int decimals) {
  if (!std::isfinite(x)) throw Fault(FaultKind::Overflow);
  const detail::Decimal15 d = detail::ToDecimal15(x);
  const auto places = static_cast<std::size_t>(std::max(decimals, 0));
  std::string digits = ScaledDigits(d, static_cast<int>(places));
  const bool negative = d.negative && !digits.empty();
  if (digits.size() < places + 1) digits.insert(0, places + 1 - digits.size(), '0');
  std::string text;
  text.reserve(digits.size() + 2);
  if (negative) text.push_back('-');
  text.append(digits, 0, digits.size() - places);
  if (places > 0) {
    text.push_back('.');
    text.append(digits, digits.size() - places, places);
  }
  // The largest doubles round to 15 digits beyond the double range, where no text reads back.
  if (d.exponent == std::numeric_limits<double>::max_exponent10 && std::isinf(ReadNumber(text))) {
    throw Fault(FaultKind::Overflow);
  }
  return text;
}

std::size_t FormatGeneral(double x, char* out) noexcept {
  if (!std::isfinite(x)) {
    const auto result = std::to_chars(out, out + kGeneralTextCapacity, x);
    return static_cast<std::size_t>(result.ptr - out);
  }
  const detail::Decimal15 d = detail::ToDecimal15(x);
  char* p = out;
  if (d.count == 0) {
    *p++ = '0';
    return 1;
  }
  if (d.negative) *p++ = '-';
  const int e = d.exponent;
  if (e < -4 || e >= 15) {
    *p++ = d.digits[0];
    if (d.count > 1) {
      *p++ = '.';
      p = std::copy(d.digits + 1, d.digits + d.count, p);
    }
    *p++ = 'e';
    *p++ = e < 0 ? '-' : '+';
    const int magnitude = e < 0 ? -e : e;
    if (magnitude < 10) *p++ = '0';
    p = std::to_chars(p, out + kGeneralTextCapacity, magnitude).ptr;
  } else if (e < 0) {
    *p++ = '0';
    *p++ = '.';
    p = std::fill_n(p, -e - 1, '0');
    p = std::copy(d.digits, d.digits + d.count, p);
  } else {
    const int whole = e + 1;
    const int from_digits = std::min(whole, d.count);
    p = std::copy(d.digits, d.digits + from_digits, p);
    p = std::fill_n(p, whole - from_digits, '0');
    if (d.count > whole) {
      *p++ = '.';
      p = std::copy(d.digits + whole, d.digits + d.count, p);
    }
  }
  return static_cast<std::size_t>(p - out);
}

}  // namespace values
