#include "values/dynamic_value.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "values/fault.h"

namespace values {
namespace {

using Kind = DynamicValue::Kind;
using Op = std::function<DynamicValue(const DynamicValue&, const DynamicValue&)>;

const DynamicValue kEmpty;
DynamicValue Int(int v) { return DynamicValue(static_cast<std::int16_t>(v)); }
constexpr double kLargest = 1.7976931348623157e308;

DynamicValue Text(const char* t) { return DynamicValue(std::string(t)); }

std::optional<FaultKind> FaultOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const Fault& fault) {
    return fault.kind();
  }
  return std::nullopt;
}

struct ArithmeticCase {
  const char* name;
  Op op;
  DynamicValue x;
  DynamicValue y;
  Kind kind;
  double value;
};

TEST(DynamicValue, ArithmeticGivesTheRuntimesKinds) {
  const Op add = std::plus<>(), sub = std::minus<>(), mul = std::multiplies<>(),
           div = std::divides<>();
  const ArithmeticCase cases[] = {
      {"empty + empty", add, kEmpty, kEmpty, Kind::Integer, 0},
      {"int * int", mul, Int(45), Int(4), Kind::Integer, 180},
      {"int - empty", sub, Int(1), kEmpty, Kind::Integer, 1},
      {"int * int widens", mul, Int(300), Int(300), Kind::Double, 90000},
      {"int - int widens", sub, Int(-32768), Int(1), Kind::Double, -32769},
      {"int / int is double", div, Int(7), Int(2), Kind::Double, 3.5},
      {"int with double", add, Int(20), DynamicValue(0.5), Kind::Double, 20.5},
      {"empty * double", mul, kEmpty, DynamicValue(1.7), Kind::Double, 0},
      {"text reads back", mul, Text("38.47"), DynamicValue(10.0), Kind::Double, 384.7},
      {"text minus double", sub, Text("570"), DynamicValue(23.4), Kind::Double, 570 - 23.4},
      {"negative text", div, Text("-0.15"), Int(1), Kind::Double, -0.15},
      {"text with text", add, Text("0.10"), Text("0.02"), Kind::Double, 0.1 + 0.02},
  };
  for (const ArithmeticCase& c : cases) {
    const DynamicValue result = c.op(c.x, c.y);
    EXPECT_EQ(result.kind(), c.kind) << c.name;
    EXPECT_EQ(result.ToDouble(), c.value) << c.name;
  }
}

struct FaultCase {
  const char* name;
  std::function<void()> step;
  FaultKind kind;
};

TEST(DynamicValue, FaultsOfArithmetic) {
  const double big = 1e308;
  const double inf = std::numeric_limits<double>::infinity();
  const FaultCase cases[] = {
      {"x / 0", [] { (void)(DynamicValue(1.0) / Int(0)); }, FaultKind::DivisionByZero},
      {"0 / 0", [] { (void)(kEmpty / kEmpty); }, FaultKind::DivisionByZero},
      {"x / -0", [] { (void)(Int(1) / DynamicValue(-0.0)); }, FaultKind::DivisionByZero},
      {"x / text 0.00", [] { (void)(Int(1) / Text("0.00")); }, FaultKind::DivisionByZero},
      {"product overflow", [=] { (void)(DynamicValue(big) * DynamicValue(10.0)); },
       FaultKind::Overflow},
      {"sum overflow", [=] { (void)(DynamicValue(big) + DynamicValue(big)); }, FaultKind::Overflow},
      {"quotient overflow", [=] { (void)(DynamicValue(big) / DynamicValue(1e-10)); },
       FaultKind::Overflow},
      {"infinite operand", [=] { (void)(DynamicValue(inf) * Int(1)); }, FaultKind::Overflow},
      {"inf * 0 is NaN", [=] { (void)(DynamicValue(inf) * Int(0)); }, FaultKind::Overflow},
      {"inf - inf", [=] { (void)(DynamicValue(inf) - DynamicValue(inf)); }, FaultKind::Overflow},
      {"text not a number", [] { (void)(Text("abc") + Int(1)); }, FaultKind::TypeMismatch},
      {"text with blank", [] { (void)(Text(" 1") * Int(1)); }, FaultKind::TypeMismatch},
      {"empty text", [] { (void)(Text("") - Int(1)); }, FaultKind::TypeMismatch},
      {"text compared", [] { (void)(Text("1e3") < Int(1)); }, FaultKind::TypeMismatch},
      {"negative root", [] { (void)SquareRoot(-0.01); }, FaultKind::InvalidArgument},
      {"fixed of infinity", [=] { (void)Fixed(DynamicValue(inf)); }, FaultKind::Overflow},
      {"fixed text beyond the range", [] { (void)Fixed(DynamicValue(kLargest)); },
       FaultKind::Overflow},
      {"the same text read later", [] { (void)(FixedReadLater(DynamicValue(kLargest)) * Int(0)); },
       FaultKind::Overflow},
      {"the same text compared", [] { (void)(FixedReadLater(DynamicValue(kLargest)) > Int(0)); },
       FaultKind::Overflow},
  };
  for (const FaultCase& c : cases) EXPECT_EQ(FaultOf(c.step), c.kind) << c.name;
}

TEST(DynamicValue, ATextReadLaterIsKeptUntilItIsRead) {
  // The largest double rounds to 15 digits above the range: its text exists but reads as inf.
  const DynamicValue area = FixedReadLater(DynamicValue(kLargest));
  ASSERT_NE(area.text(), nullptr);
  EXPECT_TRUE(area.text()->starts_with("179769313486232000")) << *area.text();
  EXPECT_TRUE(area.text()->ends_with(".00"));
  EXPECT_EQ(FixedReadLater(DynamicValue(38.465)).ToDouble(), 38.47);
}

TEST(DynamicValue, SquareRootOfZeroOfEitherSign) {
  EXPECT_EQ(SquareRoot(0.0), 0.0);
  EXPECT_EQ(SquareRoot(-0.0), 0.0);
  EXPECT_DOUBLE_EQ(SquareRoot(0.32), 0.565685424949238);
}

TEST(DynamicValue, ComparisonsAreNumeric) {
  EXPECT_TRUE(kEmpty == Int(0));
  EXPECT_TRUE(Text("0.10") == DynamicValue(0.1));
  EXPECT_TRUE(DynamicValue(50.5) > Int(50));
  EXPECT_FALSE(DynamicValue(50.0) > Int(50));
  EXPECT_TRUE(Text("570") - DynamicValue(570.0) <= Int(0));
  EXPECT_TRUE(DynamicValue(-0.0) == Int(0));
  EXPECT_TRUE(Text("-1.00") < kEmpty);
}

TEST(DynamicValue, FixedKeepsTheShownText) {
  const DynamicValue so = Fixed(DynamicValue(3.14) * Int(7) * Int(7) / Int(4));
  ASSERT_NE(so.text(), nullptr);
  EXPECT_EQ(*so.text(), "38.47");
  EXPECT_EQ(so.ToDouble(), 38.47);
  EXPECT_EQ(*Fixed(DynamicValue(561.588), 0).text(), "562");
}

TEST(DynamicValue, AssignFixedOverwritesOnlyWhenItFormats) {
  DynamicValue target = Text("a text longer than any short buffer holds");
  AssignFixed(target, DynamicValue(2.345));
  EXPECT_EQ(*target.text(), "2.35");
  AssignFixed(target, DynamicValue(-0.004));
  EXPECT_EQ(*target.text(), "0.00");
  EXPECT_EQ(target.ToDouble(), 0.0);
  // A checked text beyond the double range faults and leaves the target as it was.
  EXPECT_THROW(AssignFixed(target, DynamicValue(kLargest)), Fault);
  EXPECT_EQ(*target.text(), "0.00");
  AssignFixedReadLater(target, DynamicValue(kLargest));
  EXPECT_TRUE(target.text()->starts_with("179769313486232000"));
  DynamicValue number = Int(7);
  AssignFixed(number, DynamicValue(1e20), 1);
  EXPECT_EQ(*number.text(), "100000000000000000000.0");
  EXPECT_EQ(number.ToDouble(), 1e20);
}

struct GeneralTextCase {
  DynamicValue value;
  const char* expected;
};

TEST(DynamicValue, GeneralTextOfEveryKind) {
  const GeneralTextCase cases[] = {
      {kEmpty, ""},
      {Int(-32768), "-32768"},
      {Int(3), "3"},
      {DynamicValue(1.7), "1.7"},
      {DynamicValue(-0.0), "0"},
      {Text("0.10"), "0.10"},
      {Text("anything"), "anything"},
      {DynamicValue(18.0), "18"},
  };
  for (const GeneralTextCase& c : cases) {
    EXPECT_EQ(GeneralText(c.value).view(), c.expected);
    EXPECT_EQ(FormatGeneral(c.value), c.expected);
  }
}

TEST(Fault, NumbersAndRussianDescriptions) {
  EXPECT_EQ(Fault(FaultKind::Overflow).number(), 6);
  EXPECT_EQ(Fault(FaultKind::Overflow).description(), "Переполнение");
  EXPECT_EQ(Fault(FaultKind::DivisionByZero).number(), 11);
  EXPECT_EQ(Fault(FaultKind::DivisionByZero).description(), "Деление на ноль");
  EXPECT_EQ(Fault(FaultKind::InvalidArgument).number(), 5);
  EXPECT_EQ(Fault(FaultKind::InvalidArgument).description(), "Недопустимый аргумент");
  EXPECT_EQ(Fault(FaultKind::TypeMismatch).number(), 13);
  EXPECT_EQ(Fault(FaultKind::TypeMismatch).description(), "Несоответствие типов");
  EXPECT_STREQ(Fault(FaultKind::Overflow).what(), "Переполнение");
}

}  // namespace
}  // namespace values
