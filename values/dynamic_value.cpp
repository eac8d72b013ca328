#include "values/dynamic_value.h"

#include <charconv>
#include <cmath>

#include "values/fault.h"

namespace values {

namespace {

double Checked(double result) {
  if (!std::isfinite(result)) throw Fault(FaultKind::Overflow);
  return result;
}

// An integer result that leaves the 16-bit range widens to a double instead of faulting.
DynamicValue FromWide(int result) noexcept {
  if (result >= INT16_MIN && result <= INT16_MAX) return static_cast<std::int16_t>(result);
  return static_cast<double>(result);
}

template <typename IntegerOp, typename DoubleOp>
DynamicValue Combine(const DynamicValue& x, const DynamicValue& y, IntegerOp integer_op,
                     DoubleOp double_op) {
  using Kind = DynamicValue::Kind;
  const bool x_whole = x.kind() == Kind::Empty || x.kind() == Kind::Integer;
  const bool y_whole = y.kind() == Kind::Empty || y.kind() == Kind::Integer;
  if (x_whole && y_whole) {
    return FromWide(integer_op(static_cast<int>(x.ToDouble()), static_cast<int>(y.ToDouble())));
  }
  return Checked(double_op(x.ToDouble(), y.ToDouble()));
}

}  // namespace

double DynamicValue::TextNumber() const {
  const std::optional<double>& number = std::get<Text>(value_).number;
  if (!number) throw Fault(FaultKind::TypeMismatch);
  if (std::isinf(*number)) throw Fault(FaultKind::Overflow);
  return *number;
}

DynamicValue operator+(const DynamicValue& x, const DynamicValue& y) {
  return Combine(
      x, y, [](int a, int b) { return a + b; }, [](double a, double b) { return a + b; });
}

DynamicValue operator-(const DynamicValue& x, const DynamicValue& y) {
  return Combine(
      x, y, [](int a, int b) { return a - b; }, [](double a, double b) { return a - b; });
}

DynamicValue operator*(const DynamicValue& x, const DynamicValue& y) {
  return Combine(
      x, y, [](int a, int b) { return a * b; }, [](double a, double b) { return a * b; });
}

DynamicValue operator/(const DynamicValue& x, const DynamicValue& y) {
  const double dividend = x.ToDouble();
  const double divisor = y.ToDouble();
  if (divisor == 0) throw Fault(FaultKind::DivisionByZero);
  return Checked(dividend / divisor);
}

std::partial_ordering operator<=>(const DynamicValue& x, const DynamicValue& y) {
  return x.ToDouble() <=> y.ToDouble();
}

bool operator==(const DynamicValue& x, const DynamicValue& y) {
  return x.ToDouble() == y.ToDouble();
}

double SquareRoot(double x) {
  if (x < 0) throw Fault(FaultKind::InvalidArgument);
  return std::sqrt(x);
}

DynamicValue Fixed(const DynamicValue& x, int decimals) {
  DynamicValue fixed;
  AssignFixed(fixed, x, decimals);
  return fixed;
}

DynamicValue FixedReadLater(const DynamicValue& x, int decimals) {
  DynamicValue fixed;
  AssignFixedReadLater(fixed, x, decimals);
  return fixed;
}

namespace {

// A short text goes straight into the target; a long one takes `format_long`'s way.
template <typename FormatLong>
void AssignFixedText(DynamicValue& target, double number, int decimals, FormatLong format_long) {
  if (const std::optional<ShortFixed> fixed = FormatShortFixed(number, decimals)) {
    target.AssignText(fixed->text(), fixed->shown());
  } else {
    target = DynamicValue(format_long(number, decimals));
  }
}

}  // namespace

// A long text is checked as it is formatted.
void AssignFixed(DynamicValue& target, const DynamicValue& x, int decimals) {
  AssignFixedText(target, x.ToDouble(), decimals, FormatFixedNumber);
}

void AssignFixedReadLater(DynamicValue& target, const DynamicValue& x, int decimals) {
  AssignFixedText(target, x.ToDouble(), decimals, FormatFixedUnchecked);
}

GeneralText::GeneralText(const DynamicValue& value) noexcept {
  using Kind = DynamicValue::Kind;
  switch (value.kind()) {
    case Kind::Empty:
      break;
    case Kind::Text:
      view_ = *value.text();
      break;
    case Kind::Integer: {
      const auto end =
          std::to_chars(buffer_, buffer_ + sizeof buffer_, static_cast<int>(value.ToDouble())).ptr;
      view_ = std::string_view(buffer_, static_cast<std::size_t>(end - buffer_));
      break;
    }
    case Kind::Double:
      view_ = std::string_view(buffer_, FormatGeneral(value.ToDouble(), buffer_));
      break;
  }
}

std::string FormatGeneral(const DynamicValue& value) {
  return std::string(GeneralText(value).view());
}

}  // namespace values
