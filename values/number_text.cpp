#include "values/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

#include "values/fault.h"
#include "values/powers_of_ten.h"
#include "values/std_compat.h"

namespace values {

namespace {

__extension__ using Wide = unsigned __int128;

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

const char* SkipDigits(const char* p, const char* end) noexcept {
  while (p != end && IsDigit(*p)) ++p;
  return p;
}

// One pass over a number by the reading rule, gathering what an exact conversion needs.
struct Scan {
  const char* end;  // `p` itself when there is no number
  std::uint64_t mantissa = 0;
  int significant = 0;  // significant digits seen
  long long scale = 0;  // decimal exponent of the mantissa's last digit
};

constexpr int kExactDigits = 15;  // below 2^53: the mantissa is an exact double

void TakeDigit(Scan& scan, char c, bool fraction) {
  if (scan.significant == 0 && c == '0') {
    if (fraction) --scan.scale;
    return;
  }
  if (++scan.significant > kExactDigits) return;
  scan.mantissa = scan.mantissa * 10 + static_cast<std::uint64_t>(c - '0');
  if (fraction) --scan.scale;
}

Scan ScanNumber(const char* p, const char* end) noexcept {
  Scan scan{p};
  const char* q = p;
  for (; q != end && IsDigit(*q); ++q) TakeDigit(scan, *q, false);
  bool has_digit = q != p;
  if (q != end && *q == '.') {
    const char* fraction = ++q;
    for (; q != end && IsDigit(*q); ++q) TakeDigit(scan, *q, true);
    has_digit = has_digit || q != fraction;
  }
  if (!has_digit) return scan;
  if (q != end && (*q == 'e' || *q == 'E')) {
    const char* e = q + 1;
    const bool minus = e != end && *e == '-';
    if (e != end && (*e == '+' || *e == '-')) ++e;
    long long exponent = 0;
    const char* digits = e;
    for (; e != end && IsDigit(*e); ++e) {
      if (exponent < 1'000'000) exponent = exponent * 10 + (*e - '0');
    }
    if (e != digits) {
      q = e;
      scan.scale += minus ? -exponent : exponent;
    }
  }
  scan.end = q;
  return scan;
}

constexpr std::uint64_t kExactInteger = std::uint64_t{1} << 53;

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

double ConvertDigits(const char* p, const Scan& scan) noexcept {
  if (scan.significant <= kExactDigits && scan.scale >= -22 && scan.scale <= 22) {
    // Both operands are exact doubles, so one correctly rounded operation gives the nearest.
    const auto mantissa = static_cast<double>(scan.mantissa);
    return scan.scale < 0 ? mantissa / detail::kPowersOfTen[-scan.scale]
                          : mantissa * detail::kPowersOfTen[scan.scale];
  }
  double value = 0;
  const auto [ptr, ec] = compat::FromChars(p, scan.end, value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    return IsBeyondRange(p, scan.end) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

// Digits from `p` taken into `value`, which wraps beyond twenty of them; returns their end.
const char* TakeDigits(const char* p, const char* end, std::uint64_t& value) noexcept {
  for (; p != end; ++p) {
    const auto digit = static_cast<unsigned>(static_cast<unsigned char>(*p)) - unsigned{'0'};
    if (digit > 9) break;
    value = value * 10 + digit;
  }
  return p;
}

// A typed field is almost always a few digits, perhaps with a point: while there are at most
// fifteen of them and no exponent, one exact division reads the number, as ConvertDigits would.
// False for any other text, which takes the full scan.
bool ReadPlainNumber(const char* p, const char* end, Scan& scan) noexcept {
  const char* q = TakeDigits(p, end, scan.mantissa);
  std::ptrdiff_t digits = q - p;
  std::ptrdiff_t fraction = 0;
  if (q != end && *q == '.') {
    const char* first = q + 1;
    q = TakeDigits(first, end, scan.mantissa);
    fraction = q - first;
  }
  if (digits + fraction == 0) return true;  // no number: `scan.end` stays at `p`
  if (digits + fraction > kExactDigits || (q != end && (*q == 'e' || *q == 'E'))) return false;
  scan.end = q;
  scan.scale = -fraction;
  return true;
}

double PlainValue(const Scan& scan) noexcept {
  const auto mantissa = static_cast<double>(scan.mantissa);
  return scan.scale == 0 ? mantissa : mantissa / detail::kPowersOfTen[-scan.scale];
}

}  // namespace

LeadingNumber ReadLeadingNumber(std::string_view text) noexcept {
  const char* p = text.data();
  const char* end = p + text.size();
  while (p != end && (*p == ' ' || *p == '\t')) ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  Scan plain{p};
  const bool is_plain = ReadPlainNumber(p, end, plain);
  const Scan scan = is_plain ? plain : ScanNumber(p, end);
  if (scan.end == p) return {};
  const double magnitude = is_plain ? PlainValue(scan) : ConvertDigits(p, scan);
  return {negative ? -magnitude : magnitude, static_cast<std::size_t>(scan.end - text.data())};
}

double ReadNumber(std::string_view text) noexcept { return ReadLeadingNumber(text).value; }

std::optional<double> ReadFixedText(std::string_view text) noexcept {
  const char* p = text.data();
  const char* end = p + text.size();
  const bool negative = p != end && *p == '-';
  const char* digits = negative ? p + 1 : p;
  const char* q = SkipDigits(digits, end);
  // One or more digits, no zero in front of another, as fixed formatting writes them.
  if (q == digits || (*digits == '0' && q - digits > 1)) return std::nullopt;
  if (q != end && *q == '.') {
    const char* frac = q + 1;
    q = SkipDigits(frac, end);
    if (q == frac) return std::nullopt;
  }
  if (q != end) return std::nullopt;
  const double number = ReadNumber(text);
  // A zero is written without its sign.
  if (negative && number == 0) return std::nullopt;
  return number;
}

std::int16_t RoundToInt16(double x) {
  const double rounded = std::nearbyint(x);  // the default rounding mode: halves to even
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw Fault(FaultKind::Overflow);
  return static_cast<std::int16_t>(rounded);
}

namespace {

// |x| × 10^places rounded half away from zero from x's fifteen significant digits: `value`,
// followed by `zeros` further zeros that only numbers of 10^19 and more need.
struct Scaled {
  std::uint64_t value = 0;
  int zeros = 0;
};

Scaled Scale(const detail::Decimal15& d, int places) {
  const long long drop = 14LL - d.exponent - places;  // significand digits below the last place
  if (d.significand == 0 || drop > 19) return {};
  if (drop > 0) {
    const std::uint64_t unit = detail::kTens[drop];
    return {(d.significand + unit / 2) / unit, 0};
  }
  if (drop >= -4) return {d.significand * detail::kTens[-drop], 0};
  return {d.significand, static_cast<int>(-drop)};
}

// Any other text: zeros everywhere, then the sign, the point and the digits over them.
std::string LongFixedText(const Scaled& scaled, int places, bool negative) {
  char digits[20];
  const int count = scaled.value == 0 ? 0 : detail::WriteDigits(scaled.value, digits);
  const int length = count + scaled.zeros;
  const int whole = std::max(length - places, 1);
  std::string text(static_cast<std::size_t>(negative + whole + (places > 0 ? places + 1 : 0)), '0');
  char* p = text.data();
  if (negative) *p++ = '-';
  const int leading = whole + places - length;  // zeros in front of the digits
  for (int i = 0; i < count; ++i) {
    const int position = leading + i;
    p[position < whole ? position : position + 1] = digits[i];
  }
  if (places > 0) p[whole] = '.';
  return text;
}

// |x| × 10^places exactly, as n × 2^-shift with shift from 1 to 63, for |x| from 2^-11 to below
// 2^53 and at most three places, where n = m × 10^places stays below 2^63; none for any other.
struct NarrowProduct {
  std::uint64_t n;
  int shift;
};

std::optional<NarrowProduct> NarrowProductOf(double x, int places) {
  constexpr int kMostPlaces = 3;
  const auto bits = compat::BitCast<std::uint64_t>(x);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  const int shift = 1075 - biased;  // |x| = m × 2^-shift
  // One comparison keeps shift within 1 … 63, which also leaves out zeros and subnormals.
  if (places > kMostPlaces || static_cast<unsigned>(shift - 1) > 62) return std::nullopt;
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  return NarrowProduct{m * detail::kTens[places], shift};
}

// |x| × 10^places rounded half away from zero straight from the double, where the exact product
// lies farther from a half than rounding x to fifteen digits can move it (10^-14 of itself):
// there the fifteen digits round the same way and need not be made. False, setting nothing, for
// any other, and beyond NarrowProductOf.
bool ScaledAwayFromAHalf(double x, int places, std::uint64_t& scaled) {
  constexpr std::uint64_t kFifteenDigits = 100'000'000'000'000;  // 10^14
  const std::optional<NarrowProduct> product = NarrowProductOf(x, places);
  if (!product) return false;
  const auto [n, shift] = *product;
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  const std::uint64_t rest = n & (2 * half - 1);
  const std::uint64_t off = rest > half ? rest - half : half - rest;
  if (static_cast<Wide>(off) * kFifteenDigits <= n) return false;
  scaled = (n >> shift) + (rest > half ? 1 : 0);
  return true;
}

// What reading a fixed text back gives: one exact division while its digits fit 53 bits.
double Shown(const Scaled& scaled, int places, bool negative, std::string_view text) {
  if (scaled.zeros != 0 || scaled.value >= kExactInteger || places > 22) return ReadNumber(text);
  const double shown = static_cast<double>(scaled.value) / detail::kPowersOfTen[places];
  return negative ? -shown : shown;
}

}  // namespace

std::optional<ShortFixed> FormatShortFixed(double x, int decimals) noexcept {
  const int places = std::max(decimals, 0);
  if (!std::isfinite(x) || places > detail::kMostPointedPlaces) return std::nullopt;
  Scaled scaled;
  if (!ScaledAwayFromAHalf(x, places, scaled.value)) {
    scaled = Scale(detail::ToDecimal15(x), places);
    if (scaled.zeros != 0) return std::nullopt;
  }
  const bool negative = std::signbit(x) && scaled.value != 0;
  ShortFixed fixed;
  char* const end = fixed.chars_ + sizeof fixed.chars_;
  char* first = detail::WritePointedBackwards(scaled.value, places, end);
  if (negative) *--first = '-';
  fixed.first_ = static_cast<std::uint8_t>(first - fixed.chars_);
  fixed.shown_ = Shown(scaled, places, negative, fixed.text());
  return fixed;
}

FixedNumber FormatFixedUnchecked(double x, int decimals) {
  if (const std::optional<ShortFixed> fixed = FormatShortFixed(x, decimals)) {
    return {std::string(fixed->text()), fixed->shown()};
  }
  if (!std::isfinite(x)) throw Fault(FaultKind::Overflow);
  const detail::Decimal15 d = detail::ToDecimal15(x);
  const int places = std::max(decimals, 0);
  const Scaled scaled = Scale(d, places);
  const bool negative = d.negative && scaled.value != 0;
  FixedNumber fixed{LongFixedText(scaled, places, negative), 0};
  fixed.shown = Shown(scaled, places, negative, fixed.text);
  return fixed;
}

FixedNumber FormatFixedNumber(double x, int decimals) {
  FixedNumber fixed = FormatFixedUnchecked(x, decimals);
  // The largest doubles round to 15 digits beyond the double range, where no text reads back.
  if (std::isinf(fixed.shown)) throw Fault(FaultKind::Overflow);
  return fixed;
}

namespace {

// Writes the digits of `value` backwards from `end`; returns where they start.
// 128-bit division is a library call; a shown figure almost always fits in 64 bits.
char* WriteWideDigits(Wide value, char* end) {
  while (value > std::numeric_limits<std::uint64_t>::max()) {
    *--end = static_cast<char>('0' + static_cast<int>(value % 10));
    value /= 10;
  }
  auto narrow = static_cast<std::uint64_t>(value);
  while (narrow >= 100) {
    const std::uint64_t pair = narrow % 100;
    narrow /= 100;
    end -= 2;
    std::memcpy(end, &detail::kDigitPairs[2 * pair], 2);
  }
  if (narrow >= 10) {
    end -= 2;
    std::memcpy(end, &detail::kDigitPairs[2 * narrow], 2);
  } else {
    *--end = static_cast<char>('0' + narrow);
  }
  return end;
}

// |x| × 10^decimals rounded half away from zero, exactly: |x| is m × 2^e with m below 2^53.
std::optional<Wide> ScaledMagnitude(double x, int decimals) {
  const auto bits = compat::BitCast<std::uint64_t>(x);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased != 0) m |= std::uint64_t{1} << 52;
  const int e = (biased == 0 ? 1 : biased) - 1075;
  const Wide n = Wide{m} * detail::kTens[decimals];  // below 2^83
  if (e >= 0) {
    if (e > 127 - 83) return std::nullopt;
    return n << e;
  }
  if (e < -127) return 0;
  const int shift = -e;
  const Wide rest = n & ((Wide{1} << shift) - 1);
  const Wide half = Wide{1} << (shift - 1);
  return (n >> shift) + (rest >= half ? 1 : 0);
}

int DigitCount(std::uint64_t value) {
  // 1233 / 4096 is just above log10(2): the guess is the count or one less.
  const std::uint64_t nonzero = value | 1;  // the same count, and a zero has one digit
  const int guess = (std::bit_width(nonzero) * 1233) >> 12;
  return guess + (nonzero >= detail::kTens[guess] ? 1 : 0);
}

// The digits of a magnitude of 2^64 or more, and the point among them.
char* WriteWide(Wide scaled, int decimals, char* out) {
  char digits[kExactFixedCapacity];
  char* const end = digits + sizeof digits;
  const char* first = WriteWideDigits(scaled, end);
  const char* const point = end - decimals;
  out = std::copy(first, point, out);
  if (decimals == 0) return out;
  *out++ = '.';
  return std::copy(point, static_cast<const char*>(end), out);
}

// ScaledMagnitude in 64 bits, for the usual figure that NarrowProductOf takes. False, setting
// nothing, for any other.
bool NarrowScaledMagnitude(double x, int decimals, std::uint64_t& scaled) {
  const std::optional<NarrowProduct> product = NarrowProductOf(x, decimals);
  if (!product) return false;
  const auto [n, shift] = *product;
  // At a half or above, the bit just below the last kept one is set.
  scaled = (n >> shift) + ((n >> (shift - 1)) & 1);
  return true;
}

// `value` / 10^decimals with its decimals after the point.
char* WriteScaled(std::uint64_t value, int decimals, char* out) {
  const int whole_digits = DigitCount(value / detail::kTens[decimals]);
  char* const end = out + whole_digits + (decimals == 0 ? 0 : decimals + 1);
  detail::WritePointedBackwards(value, decimals, end);
  return end;
}

// The digits are gathered in the bytes of one word and stored a word at a time.
static_assert(std::endian::native == std::endian::little);

constexpr std::uint64_t kEightDigits = 100'000'000;

// The eight decimal digits of `value` (below 10^8), one in each byte, the first in the lowest.
// Each step splits every lane in two by dividing by a multiplication and a shift, exact below
// the lane's bound: four-digit halves, then two-digit quarters, then single digits.
std::uint64_t SpreadDigits(std::uint64_t value) {
  const std::uint64_t high = value / 10'000;
  const std::uint64_t halves = high | (value - high * 10'000) << 32;
  const std::uint64_t hundreds = ((halves * 10'486) >> 20) & 0x0000'007F'0000'007F;
  const std::uint64_t quarters = hundreds | (halves - hundreds * 100) << 16;
  const std::uint64_t tens = ((quarters * 103) >> 10) & 0x000F'000F'000F'000F;
  return tens | (quarters - tens * 10) << 8;
}

constexpr std::uint64_t kFourDigits = 10'000;

// SpreadDigits of a value below 10^4, as two pairs from the table: most figures are this short.
std::uint64_t SpreadFourDigits(std::uint64_t value) {
  const std::uint64_t high = value / 100;
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  std::memcpy(&first, &detail::kDigitPairs[2 * high], sizeof first);
  std::memcpy(&second, &detail::kDigitPairs[2 * (value - 100 * high)], sizeof second);
  const std::uint32_t digits = (first | std::uint32_t{second} << 16) - 0x3030'3030;
  return std::uint64_t{digits} << 32;
}

// WriteScaled for a value below 10^8 and at most 7 decimals: leading zeros cut down to the
// units digit, then two word stores, the second putting the point in front of the decimals.
char* WriteEightDigits(std::uint64_t value, int decimals, char* out) {
  const std::uint64_t spread = value < kFourDigits ? SpreadFourDigits(value) : SpreadDigits(value);
  const std::uint64_t digits = spread | 0x3030'3030'3030'3030;
  const std::uint64_t units = std::uint64_t{1} << (8 * (7 - decimals));
  const int skipped = std::countr_zero(spread | units) / 8;
  const std::uint64_t shown = digits >> (8 * skipped);
  std::memcpy(out, &shown, sizeof shown);
  const int whole = 8 - skipped - decimals;
  if (decimals == 0) return out + whole;
  out[whole] = '.';
  const std::uint64_t fraction = digits >> (8 * (8 - decimals));
  std::memcpy(out + whole + 1, &fraction, sizeof fraction);
  return out + whole + 1 + decimals;
}

// The magnitude beyond 64 bits or beyond the doubles that NarrowScaledMagnitude takes. Kept
// apart, so that the usual figure does not pay for the registers that this one needs.
[[gnu::noinline]] char* WriteRareFixed(double x, int decimals, char* out) {
  const std::optional<Wide> scaled = ScaledMagnitude(x, decimals);
  if (!scaled) return nullptr;
  if (*scaled > std::numeric_limits<std::uint64_t>::max()) {
    if (std::signbit(x)) *out++ = '-';
    return WriteWide(*scaled, decimals, out);
  }
  const auto value = static_cast<std::uint64_t>(*scaled);
  if (std::signbit(x) && value != 0) *out++ = '-';
  return WriteScaled(value, decimals, out);
}

}  // namespace

char* WriteExactFixed(double x, int decimals, char* out) noexcept {
  std::uint64_t value = 0;
  if (!NarrowScaledMagnitude(x, decimals, value)) return WriteRareFixed(x, decimals, out);
  if (std::signbit(x) && value != 0) *out++ = '-';
  return value < kEightDigits ? WriteEightDigits(value, decimals, out)
                              : WriteScaled(value, decimals, out);
}

void AppendExactFixed(double x, int decimals, std::string& out) {
  char text[kExactFixedCapacity];
  if (const char* end = WriteExactFixed(x, decimals, text)) {
    out.append(text, static_cast<std::size_t>(end - text));
    return;
  }
  // Beyond 2^44 × 2^53 a double is a whole number, so nothing lies at a half. At most 309 whole
  // digits, the point, 9 decimals and a sign: the text always fits.
  char wide[400];
  const auto end = compat::ToCharsFixed(wide, wide + sizeof wide, x, decimals);
  out.append(wide, end.ptr);
}

namespace {

// "%.15g" of an exponent from -4 to 14: the fifteen digits, less the trailing zeros after the
// point. The whole digits are as many as the exponent says, so the text is written in place.
std::size_t WritePlainGeneral(const detail::Decimal15& d, char* out) {
  std::uint64_t value = d.significand;
  const int places = detail::DropTrailingZeros(value, 14 - d.exponent);
  const int whole = std::max(d.exponent + 1, 1);
  const int length = d.negative + whole + (places > 0 ? places + 1 : 0);
  char* first = detail::WritePointedBackwards(value, places, out + length);
  if (d.negative) first[-1] = '-';
  return static_cast<std::size_t>(length);
}

std::size_t WriteScientificGeneral(const detail::Decimal15& d, char* out) {
  char digits[20];
  const int count = detail::SignificantDigits(d, digits);
  char* p = out;
  if (d.negative) *p++ = '-';
  *p++ = digits[0];
  if (count > 1) {
    *p++ = '.';
    p = std::copy(digits + 1, digits + count, p);
  }
  const int e = d.exponent;
  *p++ = 'e';
  *p++ = e < 0 ? '-' : '+';
  const int magnitude = e < 0 ? -e : e;
  if (magnitude < 10) *p++ = '0';
  p = std::to_chars(p, out + kGeneralTextCapacity, magnitude).ptr;
  return static_cast<std::size_t>(p - out);
}

}  // namespace

std::size_t FormatGeneral(double x, char* out) noexcept {
  if (!std::isfinite(x)) {
    const auto result = compat::ToChars(out, out + kGeneralTextCapacity, x);
    return static_cast<std::size_t>(result.ptr - out);
  }
  // A whole number below 10^15 is its own fifteen digits: a typical voltage, current or count.
  constexpr double kWholeBelow = 1e15;
  if (x > -kWholeBelow && x < kWholeBelow) {
    const auto whole = static_cast<std::int64_t>(x);
    if (static_cast<double>(whole) == x) {
      return static_cast<std::size_t>(std::to_chars(out, out + kGeneralTextCapacity, whole).ptr -
                                      out);
    }
  }
  const detail::Decimal15 d = detail::ToDecimal15(x);
  if (d.significand == 0) {
    *out = '0';
    return 1;
  }
  const bool scientific = d.exponent < -4 || d.exponent >= 15;
  return scientific ? WriteScientificGeneral(d, out) : WritePlainGeneral(d, out);
}

}  // namespace values
