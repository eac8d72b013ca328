#include "account/press.h"

#include <string>

#include <gtest/gtest.h>

namespace account {
namespace {

constexpr calc::InputTexts kStart = {"3", "220", "12", "1.5", "2", "5", "7", "12", "0.2"};
constexpr calc::InputTexts kSmallCore = {"3", "220", "12", "1.5", "1", "1", "2", "2", "0.2"};
// The first press has no efficiency yet at 1.2 W: I1 faults after the verdict.
constexpr calc::InputTexts kFaulting = {"3", "220", "12", "0.1", "2", "5", "7", "12", "0.2"};

struct EndCase {
  calc::InputTexts texts;
  End end;
  const char* status;
};

// The batch tool's plain output keeps no trace, and still tells a fitting core from one that
// does not fit.
TEST(Press, EndsTheSameWhateverPartsAreAsked) {
  for (const EndCase& c : {EndCase{kStart, End::Fit, "ok"}, EndCase{kSmallCore, End::NotFit, "ok"},
                           EndCase{kFaulting, End::Faulted, "division-by-zero"}}) {
    for (const Parts parts : {Parts{}, Parts{.notes = true}, Parts{.design = true}}) {
      Calculator calculator;
      const Press& press = calculator.Calculate(c.texts, parts);
      EXPECT_EQ(press.end, c.end) << c.texts[4] << parts.notes << parts.design;
      EXPECT_EQ(StatusCode(press), c.status);
    }
  }
}

// A form number beyond 16 bits faults before a label is written.
TEST(Press, AfterAFaultShowsOnlyWhatThePressWrote) {
  Calculator calculator;
  calculator.CalculateInWords(kStart);
  calc::InputTexts texts = kStart;
  texts[0] = "1e300";
  const Press& press = calculator.CalculateInWords(texts);
  ASSERT_TRUE(press.fault);
  EXPECT_EQ(press.labels.text(15), "50");  // W2 of the press before, still on the label
  EXPECT_EQ(ResultText(press, 15), "");
  EXPECT_EQ(press.fault_message, "Ошибка 6: Переполнение");
  EXPECT_TRUE(press.fault_words.starts_with("Не удалось прочитать номер формы"));
  EXPECT_EQ(press.coefficient_words, "");
}

TEST(Press, KeepsTheTextsAsTypedAndTheirNotesInWords) {
  Calculator calculator;
  calc::InputTexts texts = kStart;
  texts[3] = "1,5";
  const Press& press = calculator.CalculateInWords(texts);
  EXPECT_EQ(press.inputs[3], "1,5");
  EXPECT_TRUE(press.field_words[3].starts_with("Прочитано 1: запятая"));
  ASSERT_EQ(press.note_lines.size(), 1u);
  EXPECT_TRUE(press.note_lines[0].starts_with("I2: Прочитано 1"));
}

// Only «Неподходит» says what the core can give; a press after it that fits, or a fault, says
// nothing of it.
TEST(Press, SaysWhatARefusedCoreCanGive) {
  Calculator calculator;
  const Press& refused = calculator.CalculateInWords(kSmallCore);
  ASSERT_EQ(refused.end, End::NotFit);
  EXPECT_TRUE(refused.capacity_words.starts_with("Сердечник отдаст до ")) << refused.capacity_words;
  EXPECT_EQ(calculator.CalculateInWords(kStart).capacity_words, "");
  Calculator fresh;
  ASSERT_TRUE(fresh.CalculateInWords(kFaulting).fault);
  EXPECT_EQ(fresh.press().capacity_words, "");
}

}  // namespace
}  // namespace account
