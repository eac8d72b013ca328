#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "values/number_text.h"

namespace values {

/// A calculator value: empty, 16-bit integer, double or text (a fixed-formatted number).
class DynamicValue {
 public:
  enum class Kind { Empty, Integer, Double, Text };

  DynamicValue() noexcept = default;
  DynamicValue(std::int16_t value) noexcept : value_(value) {}  // NOLINT: constants read as such
  DynamicValue(double value) noexcept : value_(value) {}        // NOLINT
  explicit DynamicValue(std::string text) noexcept : value_(Text{std::move(text), std::nullopt}) {
    std::get<Text>(value_).number = ReadFixedText(std::get<Text>(value_).text);
  }
  /// A fixed-formatted text; the number it shows is known, so it is never read again.
  explicit DynamicValue(FixedNumber fixed) noexcept
      : value_(Text{std::move(fixed.text), fixed.shown}) {}

  /// A number assigned in place: no temporary value, and no work when the kind stays the same.
  DynamicValue& operator=(std::int16_t value) noexcept {
    value_ = value;
    return *this;
  }
  DynamicValue& operator=(double value) noexcept {
    value_ = value;
    return *this;
  }

  /// A fixed-formatted text whose number is known, written over the room of a text held before;
  /// `text` lies outside the value.
  void AssignText(std::string_view text, double shown) {
    if (Text* held = std::get_if<Text>(&value_)) {
      held->text.clear();
      held->text.append(text);
      held->number = shown;
    } else {
      value_.emplace<Text>(Text{std::string(text), shown});
    }
  }

  Kind kind() const noexcept { return static_cast<Kind>(value_.index()); }
  bool IsEmpty() const noexcept { return kind() == Kind::Empty; }

  /// The text a text value holds; nullptr for every other kind.
  const std::string* text() const noexcept {
    const Text* t = std::get_if<Text>(&value_);
    return t != nullptr ? &t->text : nullptr;
  }

  /// The value as a number: empty is 0, a text must be a fixed-formatted number (type mismatch)
  /// within the double range (overflow).
  double ToDouble() const {
    if (const double* x = std::get_if<double>(&value_)) return *x;
    if (const std::int16_t* n = std::get_if<std::int16_t>(&value_)) return *n;
    return value_.index() == 0 ? 0.0 : TextNumber();
  }

 private:
  // The number a text shows; faults when it has none or it lies beyond the double range.
  double TextNumber() const;

  struct Text {
    std::string text;
    std::optional<double> number;  // what the text shows, when it is a fixed-formatted number
  };

  std::variant<std::monostate, std::int16_t, double, Text> value_;
};

/// Sums, differences and products: integers stay integers while they fit, anything else is a
/// double; a result that is not finite faults with overflow.
DynamicValue operator+(const DynamicValue& x, const DynamicValue& y);
DynamicValue operator-(const DynamicValue& x, const DynamicValue& y);
DynamicValue operator*(const DynamicValue& x, const DynamicValue& y);

/// Always a double; a zero divisor faults with division by zero, 0/0 included.
DynamicValue operator/(const DynamicValue& x, const DynamicValue& y);

/// Numeric comparison after the conversions of ToDouble.
std::partial_ordering operator<=>(const DynamicValue& x, const DynamicValue& y);
bool operator==(const DynamicValue& x, const DynamicValue& y);

/// Square root of a number; a negative one faults with invalid argument.
double SquareRoot(double x);

/// Fixed formatting of the value's number, held as text.
DynamicValue Fixed(const DynamicValue& x, int decimals = kDefaultDecimals);

/// Fixed formatting whose text is read back only where a later step computes with it: a text
/// beyond the double range faults (overflow) there, not here.
DynamicValue FixedReadLater(const DynamicValue& x, int decimals = kDefaultDecimals);

/// `target = Fixed(x, decimals)`, reusing the room of the text `target` held; on a fault
/// `target` keeps its value.
void AssignFixed(DynamicValue& target, const DynamicValue& x, int decimals = kDefaultDecimals);

/// `target = FixedReadLater(x, decimals)` in the same way.
void AssignFixedReadLater(DynamicValue& target, const DynamicValue& x,
                          int decimals = kDefaultDecimals);

/// General text of a value without allocating: a view of a text value, else of a local buffer.
class GeneralText {
 public:
  explicit GeneralText(const DynamicValue& value) noexcept;
  GeneralText(const GeneralText&) = delete;
  GeneralText& operator=(const GeneralText&) = delete;

  std::string_view view() const noexcept { return view_; }

 private:
  char buffer_[kGeneralTextCapacity];
  std::string_view view_;
};

/// General text as an owned string.
std::string FormatGeneral(const DynamicValue& value);

}  // namespace values
