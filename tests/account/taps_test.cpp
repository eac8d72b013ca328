// A centre tap is marked where the plan lays turn W/2: in the layer the plan's turns per layer
// give, at that layer's middle, and only on centre-tapped windings of the design of all windings.
#include <gtest/gtest.h>

#include <string>

#include "account/drawing.h"
#include "account/press.h"
#include "account/total_planned.h"

namespace account {
namespace {

using windings::Kind;

const calc::InputTexts kValve{"1", "220", "500", "0.1", "3.2", "4", "2", "5", "0.35"};
const calc::InputTexts kTwelveTwelve{"3", "220", "24", "0.5", "2", "5", "7", "12", "0.2"};

Planned Total(const calc::InputTexts& texts, const windings::Request& request, Turns turns) {
  Calculator calculator;
  windings::Outcome outcome;
  calculator.CalculateAll(texts, {}, request, {}, outcome);
  Planned planned = TotalPlanned(outcome, Settings{}, {});
  ShowTurns(turns, planned);
  return planned;
}

// The middle of the layer that holds turn `turn` of winding `j`, from the plan's own figures.
double LayerMiddle(const Planned& planned, std::size_t j, std::int64_t layer) {
  const plan::Settings& s = planned.settings;
  double at = s.bobbin;
  for (std::size_t i = 0; i < j; ++i) at += planned.plan.windings[i].build + s.between;
  const double o = planned.plan.windings[j].overall;
  return at + static_cast<double>(layer - 1) * (o + s.interlayer) + o / 2;
}

struct TapCase {
  const char* name;
  calc::InputTexts texts;
  windings::Request request;
  Turns turns;
  std::int64_t turn;
};

void PrintTo(const TapCase& c, std::ostream* os) { *os << c.name; }

class TapOfDesign : public testing::TestWithParam<TapCase> {};

// Catches a tap in the wrong layer or at the wrong depth (the bands' other windings, the
// insulation between them or a layer counted twice), on a shell core and on a ring, and a tap
// that stays at the sized turns while the refined ones are shown.
TEST_P(TapOfDesign, LiesInTheLayerOfTurnHalfW) {
  const TapCase& c = GetParam();
  const Planned planned = Total(c.texts, c.request, c.turns);
  ASSERT_TRUE(planned.HasPlan());
  const std::vector<Tap> taps = Taps(planned);
  ASSERT_EQ(taps.size(), 1u);
  const plan::WindingPlan& winding = planned.plan.windings[1];
  EXPECT_EQ(taps[0].winding, 1u);
  EXPECT_EQ(taps[0].turn, c.turn);
  EXPECT_EQ(winding.turns, 2 * c.turn);
  EXPECT_EQ(taps[0].layer, (c.turn + winding.turns_per_layer - 1) / winding.turns_per_layer);
  EXPECT_NEAR(taps[0].depth, LayerMiddle(planned, 1, taps[0].layer), 1e-9);
}

// clang-format off
const TapCase kTapCases[] = {
    {"ValveAmplifierOnAShell", kValve, {Kind::CtC, {{6.3, 2, Kind::Ac}, {5, 2, Kind::Ac}}}, Turns::Calculated, 596},
    {"ValveAmplifierRefined", kValve, {Kind::CtC, {{6.3, 2, Kind::Ac}, {5, 2, Kind::Ac}}}, Turns::Refined, 731},
    {"TwelveTwelveOnARing", kTwelveTwelve, {Kind::Ct, {}}, Turns::Calculated, 40},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Designs, TapOfDesign, testing::ValuesIn(kTapCases),
                         [](const testing::TestParamInfo<TapCase>& info) {
                           return info.param.name;
                         });

// Catches words that name the wrong winding, turn or layer, or that miss the drawing's words.
TEST(TapWords, SayWhereTheTapLiesInTheDrawingsWords) {
  const Planned planned =
      Total(kValve, {Kind::CtC, {{6.3, 2, Kind::Ac}, {5, 2, Kind::Ac}}}, Turns::Calculated);
  const std::string words = TapWords(planned, Taps(planned).at(0));
  EXPECT_EQ(words,
            "2-я обмотка: отвод от середины после витка 596 — слой 5 из 9, 8.37 мм от стержня.");
  EXPECT_TRUE(DrawingWords(planned).ends_with(" " + words));
}

// Catches a mark on a plain winding, and on the described design, whose words stay as they were.
TEST(TapWords, AreNoneWithoutACentreTap) {
  const Planned plain = Total(kTwelveTwelve, {Kind::Ac, {{6.3, 1, Kind::Ac}}}, Turns::Calculated);
  EXPECT_TRUE(Taps(plain).empty());
  Calculator calculator;
  const Planned described =
      PlanPress(calculator.Calculate(kTwelveTwelve, {}), Settings{}, Turns::Calculated);
  EXPECT_TRUE(Taps(described).empty());
  EXPECT_EQ(DrawingWords(described).find("отвод"), std::string::npos);
}

}  // namespace
}  // namespace account
