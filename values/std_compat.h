#pragma once

// The standard library's bit_cast, double to_chars/from_chars and ranges algorithms where it has
// them; exact replacements where it does not (the WebAssembly toolchain's libc++ lacks them).
// TS_STD_FALLBACKS forces the replacements, so that a native build can test them.

#include <algorithm>
#include <charconv>
#include <cstring>
#include <functional>
#include <type_traits>
#include <version>

#if defined(__cpp_lib_bit_cast) && !defined(TS_STD_FALLBACKS)
#include <bit>
#define TS_HAS_STD_BIT_CAST 1
#endif
#if defined(__cpp_lib_to_chars) && !defined(TS_STD_FALLBACKS)
#define TS_HAS_STD_DOUBLE_CHARS 1
#endif
#if defined(__cpp_lib_ranges) && !defined(TS_STD_FALLBACKS)
#define TS_HAS_STD_RANGES 1
#endif

namespace values::compat {

/// std::bit_cast.
template <class To, class From>
requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
         std::is_trivially_copyable_v<From>) To BitCast(const From& from)
noexcept {
#ifdef TS_HAS_STD_BIT_CAST
  return std::bit_cast<To>(from);
#else
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
#endif
}

namespace detail {
std::to_chars_result ShortestChars(char* first, char* last, double value) noexcept;
std::to_chars_result PrintfChars(char* first, char* last, double value, bool fixed,
                                 int precision) noexcept;
std::from_chars_result ParseChars(const char* first, const char* last, double& value) noexcept;
}  // namespace detail

/// std::to_chars(first, last, value): the shortest text that reads back as `value`.
inline std::to_chars_result ToChars(char* first, char* last, double value) noexcept {
#ifdef TS_HAS_STD_DOUBLE_CHARS
  return std::to_chars(first, last, value);
#else
  return detail::ShortestChars(first, last, value);
#endif
}

/// std::to_chars with chars_format::fixed and a precision.
inline std::to_chars_result ToCharsFixed(char* first, char* last, double value,
                                         int precision) noexcept {
#ifdef TS_HAS_STD_DOUBLE_CHARS
  return std::to_chars(first, last, value, std::chars_format::fixed, precision);
#else
  return detail::PrintfChars(first, last, value, true, precision);
#endif
}

/// std::to_chars with chars_format::scientific and a precision.
inline std::to_chars_result ToCharsScientific(char* first, char* last, double value,
                                              int precision) noexcept {
#ifdef TS_HAS_STD_DOUBLE_CHARS
  return std::to_chars(first, last, value, std::chars_format::scientific, precision);
#else
  return detail::PrintfChars(first, last, value, false, precision);
#endif
}

/// std::from_chars(first, last, value) for a double in the general format.
inline std::from_chars_result FromChars(const char* first, const char* last,
                                        double& value) noexcept {
#ifdef TS_HAS_STD_DOUBLE_CHARS
  return std::from_chars(first, last, value);
#else
  return detail::ParseChars(first, last, value);
#endif
}

/// std::ranges::is_sorted(range, {}, projection).
template <class Range, class Projection>
constexpr bool IsSorted(const Range& range, Projection projection) {
#ifdef TS_HAS_STD_RANGES
  return std::ranges::is_sorted(range, {}, projection);
#else
  return std::is_sorted(std::begin(range), std::end(range), [&](const auto& x, const auto& y) {
    return std::invoke(projection, x) < std::invoke(projection, y);
  });
#endif
}

/// std::ranges::lower_bound(range, value, {}, projection).
template <class Range, class T, class Projection>
constexpr auto LowerBound(Range& range, const T& value, Projection projection) {
#ifdef TS_HAS_STD_RANGES
  return std::ranges::lower_bound(range, value, {}, projection);
#else
  return std::lower_bound(
      std::begin(range), std::end(range), value,
      [&](const auto& x, const T& v) { return std::invoke(projection, x) < v; });
#endif
}

/// std::ranges::find(range, value, projection).
template <class Range, class T, class Projection>
constexpr auto Find(Range& range, const T& value, Projection projection) {
#ifdef TS_HAS_STD_RANGES
  return std::ranges::find(range, value, projection);
#else
  return std::find_if(std::begin(range), std::end(range),
                      [&](const auto& x) { return std::invoke(projection, x) == value; });
#endif
}

/// std::ranges::replace(range, old_value, new_value).
template <class Range, class T>
constexpr void Replace(Range& range, const T& old_value, const T& new_value) {
#ifdef TS_HAS_STD_RANGES
  std::ranges::replace(range, old_value, new_value);
#else
  std::replace(std::begin(range), std::end(range), old_value, new_value);
#endif
}

}  // namespace values::compat
