#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "values/number_text.h"
#include "values/powers_of_ten.h"
#include "values/std_compat.h"

namespace values::detail {

namespace {

__extension__ using Wide = unsigned __int128;

constexpr std::uint64_t kFifteenDigits = 100'000'000'000'000;  // 10^14, the least of them

// x × 10^(14 - e10) rounded half to even, computed exactly: x is m × 2^-shift.
std::uint64_t ScaledToFifteenDigits(std::uint64_t m, int shift, int e10) {
  const Wide scaled = static_cast<Wide>(m) * kTens[static_cast<std::size_t>(14 - e10)];
  if (shift == 0) return static_cast<std::uint64_t>(scaled);
  const auto quotient = static_cast<std::uint64_t>(scaled >> shift);
  const Wide remainder = scaled - (static_cast<Wide>(quotient) << shift);
  const Wide half = static_cast<Wide>(1) << (shift - 1);
  const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
  return quotient + (up ? 1 : 0);
}

// Divisions by constants, largest first: at most four steps for up to fifteen zeros.
template <std::uint64_t kPower, int kCount>
void StripZeros(std::uint64_t& value, int& places) {
  if (places >= kCount && value % kPower == 0) {
    value /= kPower;
    places -= kCount;
  }
}

// For 1e-5 <= x < 1e15, whose 15-digit scaling fits 128 bits, the digits come from integer
// arithmetic that is exact; this is several times faster than printf-style rounding.
bool FifteenDigitsExactly(double magnitude, Decimal15& d) {
  if (!(magnitude >= 1e-5 && magnitude < 1e15)) return false;
  // magnitude = m × 2^-shift with a 53-bit m; a normal double in this range.
  const auto bits = compat::BitCast<std::uint64_t>(magnitude);
  constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
  const std::uint64_t m = (bits & (kHiddenBit - 1)) | kHiddenBit;
  const int binary_exponent = static_cast<int>(bits >> 52) - 1022;  // magnitude < 2^this
  const int shift = 53 - binary_exponent;                           // 3 … 69 here
  // floor(log10 x) is this estimate or one more, and never below -5 here; 78913 / 2^18 is
  // log10(2) closely enough for every binary exponent of a double.
  int e10 = std::max(((binary_exponent - 1) * 78913) >> 18, -5);
  std::uint64_t digits = ScaledToFifteenDigits(m, shift, e10);
  if (digits >= 10 * kFifteenDigits && e10 < 14) {
    ++e10;
    digits = ScaledToFifteenDigits(m, shift, e10);
  }
  if (digits >= 10 * kFifteenDigits) {
    ++e10;
    digits = kFifteenDigits;  // rounding carried to the next power of ten
  }
  d.significand = digits;
  d.exponent = e10;
  return true;
}

void FifteenDigitsByPrintfRounding(double magnitude, Decimal15& d) {
  char text[40];  // "d.dddddddddddddde-308": 21 characters at most
  const auto result = compat::ToCharsScientific(text, text + sizeof text, magnitude, 14);
  const char* mark = std::find(text, result.ptr, 'e');
  d.significand = 0;
  for (const char* p = text; p != mark; ++p) {
    if (*p != '.') d.significand = d.significand * 10 + static_cast<std::uint64_t>(*p - '0');
  }
  std::from_chars(mark[1] == '+' ? mark + 2 : mark + 1, result.ptr, d.exponent);
}

}  // namespace

Decimal15 ToDecimal15(double x) noexcept {
  Decimal15 d{};
  d.negative = std::signbit(x);
  if (x == 0) return d;
  const double magnitude = std::fabs(x);
  if (!FifteenDigitsExactly(magnitude, d)) FifteenDigitsByPrintfRounding(magnitude, d);
  return d;
}

int SignificantDigits(const Decimal15& d, char* out) noexcept {
  if (d.significand == 0) return 0;
  std::uint64_t value = d.significand;
  DropTrailingZeros(value, 15);
  return WriteDigits(value, out);
}

int DropTrailingZeros(std::uint64_t& value, int places) noexcept {
  StripZeros<100'000'000, 8>(value, places);
  StripZeros<10'000, 4>(value, places);
  StripZeros<100, 2>(value, places);
  StripZeros<10, 1>(value, places);
  return places;
}

int WriteDigits(std::uint64_t value, char* out) noexcept {
  return static_cast<int>(std::to_chars(out, out + 20, value).ptr - out);
}

namespace {

// Writes the last two digits of `value` before `p`, and drops them from `value`.
char* TakePair(std::uint64_t& value, char* p) noexcept {
  p -= 2;
  std::memcpy(p, &kDigitPairs[2 * (value % 100)], 2);
  value /= 100;
  return p;
}

char* TakeDigit(std::uint64_t& value, char* p) noexcept {
  *--p = static_cast<char>('0' + value % 10);
  value /= 10;
  return p;
}

}  // namespace

char* WritePointedBackwards(std::uint64_t value, int places, char* end) noexcept {
  char* p = end;
  if (places > 0) {
    for (int left = places; left > 0; left -= 2) {
      p = left >= 2 ? TakePair(value, p) : TakeDigit(value, p);
    }
    *--p = '.';
  }
  while (value >= 100) p = TakePair(value, p);
  return value >= 10 ? TakePair(value, p) : TakeDigit(value, p);
}

}  // namespace values::detail
