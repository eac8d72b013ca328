// Number reading agrees with strtod and never faults; fixed text reads back as the number it
// shows; general text is exactly what printf writes. Doubles come both from reading the input
// and from its raw bytes, so every bit pattern gets formatted.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "values/fault.h"
#include "values/number_text.h"

namespace {

[[noreturn]] void Fail(const char* what, double x, std::string_view text) {
  std::fprintf(stderr, "%s\n  x = %a (%.17g)\n  text = \"%.*s\"\n", what, x, x,
               static_cast<int>(text.size()), text.data());
  std::abort();
}

bool SameBits(double x, double y) {
  return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// strtod reads more than the reading rule allows (other blanks, hex, "inf"), so it serves as the
// reference only on texts made of the characters the rule knows.
void CheckAgainstStrtod(std::string_view raw) {
  static constexpr char kAlphabet[] = "0123456789012345.eE+- \t";
  std::string text(raw.size(), '0');
  for (std::size_t i = 0; i < raw.size(); ++i) {
    text[i] = kAlphabet[static_cast<unsigned char>(raw[i]) % (sizeof kAlphabet - 1)];
  }
  const double expected = std::strtod(text.c_str(), nullptr);
  const double got = values::ReadNumber(text);
  if (!SameBits(got, expected)) Fail("ReadNumber differs from strtod", got, text);
}

void CheckFixedShape(const std::string& t, int decimals, double x) {
  std::size_t i = t.starts_with('-') ? 1 : 0;
  const std::size_t int_begin = i;
  while (i < t.size() && IsDigit(t[i])) ++i;
  const std::size_t int_digits = i - int_begin;
  if (int_digits == 0) Fail("fixed text without integer digits", x, t);
  if (int_digits > 1 && t[int_begin] == '0') Fail("fixed text with a leading zero", x, t);
  if (decimals > 0) {
    if (i == t.size() || t[i] != '.') Fail("fixed text without decimal point", x, t);
    ++i;
    const std::size_t frac_begin = i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    if (i - frac_begin != static_cast<std::size_t>(decimals)) Fail("wrong decimal count", x, t);
  }
  if (i != t.size()) Fail("fixed text with trailing characters", x, t);
  if (int_begin == 1 && t.find_first_of("123456789") == std::string::npos) {
    Fail("negative zero in fixed text", x, t);
  }
}

// Whether x at 15 significant digits lies beyond the double range (only next to the largest).
bool ShownBeyondRange(double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14e", x);
  return std::isinf(std::strtod(text, nullptr));
}

void CheckFixed(double x, int decimals) {
  const bool representable = std::isfinite(x) && !ShownBeyondRange(x);
  values::FixedNumber fixed;
  try {
    fixed = values::FormatFixedNumber(x, decimals);
  } catch (const values::Fault& f) {
    if (representable || f.kind() != values::FaultKind::Overflow) {
      Fail("unexpected fault in FormatFixed", x, "");
    }
    return;
  }
  const std::string& t = fixed.text;
  if (!representable) Fail("FormatFixed shows a number beyond the double range", x, t);
  CheckFixedShape(t, decimals, x);
  const double shown = values::ReadNumber(t);
  if (!SameBits(fixed.shown, shown)) Fail("the number kept is not the number shown", x, t);
  const auto read = values::ReadFixedText(t);
  if (!read || !SameBits(*read, shown)) Fail("ReadFixedText refuses fixed text", x, t);
  if (values::FormatFixedNumber(shown, decimals).text != t)
    Fail("fixed text does not read back", x, t);
  // Half a unit in the last decimal, plus the rounding to 15 significant digits before it.
  const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(x) * 1e-14;
  if (!(std::fabs(shown - x) <= tolerance)) Fail("fixed text far from the number", x, t);
}

void CheckGeneral(double x) {
  char text[values::kGeneralTextCapacity];
  const std::size_t length = values::FormatGeneral(x, text);
  if (length > sizeof text) Fail("general text overran its buffer", x, "");
  const std::string_view g(text, length);
  if (!std::isfinite(x)) return;
  char expected[64];
  std::snprintf(expected, sizeof expected, "%.15g", x);
  if (g != (x == 0 ? std::string_view("0") : std::string_view(expected))) {
    Fail("general text differs from %.15g", x, g);
  }
  char again[values::kGeneralTextCapacity];
  const double back = values::ReadNumber(g);
  if (std::isinf(back) && ShownBeyondRange(x)) return;
  if (std::string_view(again, values::FormatGeneral(back, again)) != g) {
    Fail("general text does not read back", x, g);
  }
}

void CheckRounding(double x) {
  const bool in_range = x >= -32768.5 && x < 32767.5;
  try {
    const double r = values::RoundToInt16(x);
    const double distance = std::fabs(r - x);
    if (!in_range || distance > 0.5) Fail("RoundToInt16 outside its range", x, "");
    if (distance == 0.5 && std::fmod(r, 2) != 0) Fail("half not rounded to even", x, "");
  } catch (const values::Fault& f) {
    if (in_range || f.kind() != values::FaultKind::Overflow) Fail("wrong rounding fault", x, "");
  }
}

void CheckDouble(double x, int fuzzed_decimals) {
  CheckFixed(x, values::kDefaultDecimals);
  CheckFixed(x, 0);
  CheckFixed(x, fuzzed_decimals);
  CheckGeneral(x);
  CheckRounding(x);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int decimals = data[0] % 16;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  CheckAgainstStrtod(text);
  CheckDouble(values::ReadNumber(text), decimals);
  if (text.size() >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, text.data(), sizeof raw);
    CheckDouble(raw, decimals);
  }
  return 0;
}
