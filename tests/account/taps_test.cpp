// A centre tap is marked where the plan lays turn W/2, and only on a centre-tapped winding of the
// design of all windings. Figures by hand from the plans: E3's HT winding 145 turns a layer, the
// refined one 130; a layer's middle lies bobbin + inner windings + between + (layer−1)·pitch + o/2.
#include <gtest/gtest.h>

#include <string>

#include "account/drawing.h"
#include "account/total_planned.h"
#include "tests/account/designs.h"

namespace account {
namespace {

using windings::Kind;

using examples::kValve;
using examples::kValveWindings;
const calc::InputTexts kTwelveTwelve{"3", "220", "24", "0.5", "2", "5", "7", "12", "0.2"};

Planned Total(const calc::InputTexts& texts, const windings::Request& request, Turns turns) {
  return TotalPlanned(examples::DesignOf(texts, request), Settings{}, {}, turns);
}

// Catches a tap in the wrong layer or at the wrong depth, on a shell and on a ring, one left at
// the sized turns while the refined ones are shown, and words the drawing's description lacks.
TEST(Taps, LieInTheLayerOfTurnHalfW) {
  const struct {
    calc::InputTexts texts;
    windings::Request request;
    Turns turns;
    std::string words;
  } cases[] = {
      {kValve, kValveWindings, Turns::Calculated, "596 — слой 5 из 9, 8.37 мм от стержня."},
      {kValve, kValveWindings, Turns::Refined, "731 — слой 6 из 12, 9.64 мм от стержня."},
      {kTwelveTwelve, {Kind::Ct, {}}, Turns::Calculated, "40 — слой 1 из 1, 1.70 мм от стенки."},
  };
  for (const auto& c : cases) {
    const Planned planned = Total(c.texts, c.request, c.turns);
    ASSERT_EQ(Taps(planned).size(), 1u) << c.words;
    const std::string words = "2-я обмотка: отвод от середины после витка " + c.words;
    EXPECT_EQ(TapWords(planned, Taps(planned)[0]), words);
    EXPECT_TRUE(DrawingWords(planned).ends_with(" " + words));
  }
}

// Catches a mark on a plain winding, or on the described design.
TEST(Taps, AreNoneWithoutACentreTap) {
  EXPECT_TRUE(Taps(Total(kTwelveTwelve, {Kind::Ac, {{6.3, 1}}}, Turns::Calculated)).empty());
  Calculator calculator;
  const Press& press = calculator.Calculate(kTwelveTwelve, {});
  EXPECT_TRUE(Taps(PlanPress(press, Settings{}, Turns::Calculated)).empty());
}

}  // namespace
}  // namespace account
