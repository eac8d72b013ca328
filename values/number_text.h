#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace values {

/// Decimals of fixed formatting when the caller names none.
inline constexpr int kDefaultDecimals = 2;

/// Room that FormatGeneral needs for any double ("-1.23456789012345e-308").
inline constexpr std::size_t kGeneralTextCapacity = 32;

/// The leading number of a text: blanks, sign, digits, "." and fraction, exponent; 0 when none.
double ReadNumber(std::string_view text) noexcept;

/// A text's leading number and how many characters it takes, blanks in front included.
struct LeadingNumber {
  double value = 0;
  std::size_t length = 0;  ///< 0 when the text has no leading number
};

/// ReadNumber, telling also where the number ends.
LeadingNumber ReadLeadingNumber(std::string_view text) noexcept;

/// The number a text shows when it is exactly what FormatFixedNumber writes; nothing otherwise.
std::optional<double> ReadFixedText(std::string_view text) noexcept;

/// Nearest 16-bit integer, halves to even; faults with overflow outside -32768 … 32767.
std::int16_t RoundToInt16(double x);

/// A fixed-formatted text together with the number that reading it back gives.
struct FixedNumber {
  std::string text;
  double shown;
};

/// x with exactly `decimals` decimals after "." (halves away from zero), and the number that
/// text shows, without reading it again; faults (overflow) unless x is finite and its text reads
/// back as a finite number.
FixedNumber FormatFixedNumber(double x, int decimals = kDefaultDecimals);

/// The same without the read-back check: `shown` is infinite when the text of one of the largest
/// doubles rounds beyond the double range. Faults (overflow) only when x is not finite.
FixedNumber FormatFixedUnchecked(double x, int decimals = kDefaultDecimals);

/// A fixed-formatted text that needs no allocation: a number below 10^19 at up to 19 decimals,
/// as nearly every figure is.
class ShortFixed {
 public:
  std::string_view text() const noexcept { return {chars_ + first_, sizeof chars_ - first_}; }
  double shown() const noexcept { return shown_; }

 private:
  friend std::optional<ShortFixed> FormatShortFixed(double x, int decimals) noexcept;

  char chars_[2 + 20 + 19];  // sign, point, whole digits, decimals; the text ends with them
  std::uint8_t first_ = sizeof chars_;
  double shown_ = 0;
};

/// FormatFixedUnchecked's text and number when they form a ShortFixed; nothing otherwise, for
/// a long text or a number that is not finite.
std::optional<ShortFixed> FormatShortFixed(double x, int decimals = kDefaultDecimals) noexcept;

/// Appends x with exactly `decimals` decimals (0 … 9) after ".", rounded half away from zero
/// from the double's exact value, without exponent and without a sign on a zero; x is finite.
void AppendExactFixed(double x, int decimals, std::string& out);

/// Room that WriteExactFixed needs.
inline constexpr std::size_t kExactFixedCapacity = 48;

/// Writes what AppendExactFixed appends to `out` (kExactFixedCapacity chars, those after the end
/// used as scratch) and returns its end; nullptr, writing nothing, when |x| × 10^decimals is 2^127
/// or more or x is not finite.
char* WriteExactFixed(double x, int decimals, char* out) noexcept;

/// x as C's "%.15g" writes it, "0" for either zero; `out` has kGeneralTextCapacity chars.
/// Returns the length written.
std::size_t FormatGeneral(double x, char* out) noexcept;

namespace detail {

/// x rounded to 15 significant digits: significand × 10^(exponent - 14).
struct Decimal15 {
  std::uint64_t significand;  // fifteen digits, 10^14 … 10^15 - 1; 0 for a zero
  int exponent;
  bool negative;
};

Decimal15 ToDecimal15(double x) noexcept;

/// Writes the digits of d's significand without trailing zeros (none for a zero); returns how
/// many.
int SignificantDigits(const Decimal15& d, char* out) noexcept;

/// Drops the trailing zeros of `value` among its last `places` digits (15 at most); returns how
/// many of those places are left.
int DropTrailingZeros(std::uint64_t& value, int places) noexcept;

/// Writes the decimal digits of `value` (at least one; 20 at most); returns how many.
int WriteDigits(std::uint64_t value, char* out) noexcept;

/// Most decimals that WritePointedBackwards takes.
inline constexpr int kMostPointedPlaces = 19;

/// Writes value × 10^-places (places 0 … kMostPointedPlaces) with exactly `places` decimals after
/// "." and at least one whole digit, backwards so that it ends before `end`; returns its start.
char* WritePointedBackwards(std::uint64_t value, int places, char* end) noexcept;

}  // namespace detail

}  // namespace values
