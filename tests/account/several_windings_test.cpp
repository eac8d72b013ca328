#include "account/several_windings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/account/designs.h"

namespace account {
namespace {

using examples::DesignOf;
using examples::kStart;
using examples::kValve;
using examples::kValveWindings;

const Row& RowOf(const Table& table, std::string_view caption) {
  return *std::find_if(table.rows.begin(), table.rows.end(),
                       [caption](const Row& row) { return row.caption == caption; });
}

// The valve amplifier in words: a column per secondary, kinds and flags as a face shows them.
TEST(SeveralWindings, ValveAmplifierInWords) {
  const windings::Outcome outcome = DesignOf(kValve, kValveWindings);
  EXPECT_EQ(PowerLine(outcome), "Расчет по всем обмоткам: вторичных 3, мощность Pt = 82.6 Вт");
  EXPECT_EQ(DesignReason(outcome), "");
  const Table table = SecondariesTable(outcome, WindingTurns::Sized);
  EXPECT_EQ(table.headings,
            (std::vector<std::string>{"1-я вторичная", "2-я вторичная", "3-я вторичная"}));
  EXPECT_EQ(RowOf(table, "Вид").cells[0].text, "средняя точка, ёмкость");
  EXPECT_EQ(RowOf(table, "Отвод после витка").cells[0].text, "596");
  EXPECT_EQ(RowOf(table, "Постоянное напряжение Udc, В").cells[0].text, "304.03");
  EXPECT_TRUE(RowOf(table, "Действующий ток обмотки, А").cells[0].flagged);
  const std::vector<std::string> sentences =
      DesignFlagSentences(outcome, check::Settings{}, WindingTurns::Sized);
  EXPECT_NE(std::find(sentences.begin(), sentences.end(),
                      "1-я вторичная: ток обмотки при выпрямителе выше принятого на 30 %: "
                      "провод греется сильнее"),
            sentences.end());
  EXPECT_EQ(RowOf(SecondariesTable(outcome, WindingTurns::Refined), "Уточненное число витков")
                .cells[0]
                .text,
            "1462");
  EXPECT_EQ(CurrentCaption(windings::Kind::CtC), "Iпост, А");
}

// Why a design is not made, and the tooltip's sentence when only the main winding fits.
TEST(SeveralWindings, SayWhyTheyAreNotMade) {
  const windings::Outcome too_big = DesignOf(kStart, {windings::Kind::Ac, {{100, 5}}});
  EXPECT_EQ(DesignReason(too_big), "сердечник не подходит для всех обмоток вместе");
  Calculator calculator;
  windings::Outcome outcome;
  const Press& press =
      calculator.CalculateAll(kStart, {}, {windings::Kind::Ac, {{100, 5}}}, {}, outcome);
  EXPECT_EQ(AllWindingsFitNote(press, outcome),
            "Сердечник подходит для основной вторичной обмотки, но не для всех обмоток вместе "
            "(Pt = 518 Вт)");
  const windings::Outcome zero = DesignOf(kStart, {windings::Kind::Ac, {{0, 1}}});
  EXPECT_EQ(DesignReason(zero),
            "2-я вторичная обмотка вне границ: U должно быть от 0.001 до 1000000 В, I — от "
            "0.000001 до 1000000 А");
  EXPECT_FALSE(SecondaryInBounds(kStart, {windings::Kind::Ac, {{0, 1}}}, 1));
  EXPECT_TRUE(SecondaryInBounds(kStart, {windings::Kind::Ac, {{0, 1}}}, 0));
}

// The record after a press of all windings is the record after the press alone: the next
// press of the session sees only what the described run left.
TEST(SeveralWindings, LeaveTheSessionsRecordAlone) {
  Calculator plain;
  Calculator several;
  windings::Outcome outcome;
  plain.Calculate(kStart, {});
  several.CalculateAll(kStart, {}, {windings::Kind::Ac, {{100, 5}}}, {}, outcome);
  const calc::InputTexts low{"3", "220", "12", "0.1", "2", "5", "7", "12", "0.2"};
  const Press& after_plain = plain.Calculate(low, {});
  const Press& after_several = several.Calculate(low, {});
  for (std::size_t k = 0; k < calc::kResultLabelCount; ++k) {
    EXPECT_EQ(after_plain.labels.text(k), after_several.labels.text(k)) << k;
  }
}

}  // namespace
}  // namespace account
