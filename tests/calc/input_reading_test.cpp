#include <gtest/gtest.h>

#include "calc/calculator.h"
#include "values/fault.h"

namespace calc {
namespace {

const InputTexts kStart{"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"};

TEST(ReadInputs, StartTexts) {
  CalculatorState s;
  ReadInputs(s, kStart);
  EXPECT_EQ(s.N, 3);
  const double expected[] = {220, 12, 1.5, 2, 5, 7, 12, 0.2};
  const DynamicValue* members[] = {&s.U1, &s.U2, &s.I2, &s.a, &s.b, &s.c, &s.h, &s.Tl};
  for (std::size_t i = 0; i < std::size(members); ++i) {
    EXPECT_EQ(members[i]->kind(), DynamicValue::Kind::Double) << i;
    EXPECT_EQ(members[i]->ToDouble(), expected[i]) << i;
  }
}

struct CoreFormCase {
  const char* text;
  int N;
};

TEST(ReadInputs, CoreFormRoundsHalvesToEven) {
  const CoreFormCase cases[] = {{"2.5", 2}, {"3.5", 4}, {"2.7", 3}, {"0.5", 0},
                                {"", 0},    {"7", 7},   {"-3", -3}, {"1e1", 10}};
  for (const CoreFormCase& c : cases) {
    CalculatorState s;
    InputTexts texts = kStart;
    texts[0] = c.text;
    ReadInputs(s, texts);
    EXPECT_EQ(s.N, c.N) << c.text;
  }
}

TEST(ReadInputs, CoreFormOverflowTouchesNothing) {
  CalculatorState s;
  ReadInputs(s, kStart);
  InputTexts texts{"40000", "1", "1", "1", "1", "1", "1", "1", "1"};
  EXPECT_THROW(ReadInputs(s, texts), values::Fault);
  EXPECT_EQ(s.N, 3);
  EXPECT_EQ(s.U1.ToDouble(), 220);
  EXPECT_EQ(s.Tl.ToDouble(), 0.2);
}

TEST(ReadInputs, FieldsWithoutANumberReadAsZero) {
  CalculatorState s;
  ReadInputs(s, {"", "", "", "abc", "", "", "", "", "0,2"});
  EXPECT_EQ(s.N, 0);
  EXPECT_EQ(s.I2.ToDouble(), 0);
  EXPECT_EQ(s.Tl.ToDouble(), 0);
}

}  // namespace
}  // namespace calc
