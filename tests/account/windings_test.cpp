// A winding is an element of a list in every row, word and band the account gives: a design of
// three windings is shown as one of two is.
#include <gtest/gtest.h>

#include "account/drawing.h"
#include "account/reasons.h"
#include "account/tables.h"

namespace account {
namespace {

plan::WindingPlan Winding(std::int64_t turns, double build) {
  plan::WindingPlan winding;
  winding.bare = 0.5;
  winding.overall = 0.55;
  winding.turns = turns;
  winding.turns_per_layer = 100;
  winding.layers = 3;
  winding.build = build;
  return winding;
}

Planned ThreeWindings() {
  Planned planned;
  planned.end = End::Fit;
  planned.input = plan::PlanInput{1, 2, 3, 1.5, 5, {}};
  planned.plan.verdict = plan::Verdict::Fits;
  planned.plan.windings = {Winding(600, 1.5), Winding(50, 0.8), Winding(12, 0.4)};
  planned.plan.depth = 4;
  return planned;
}

TEST(Windings, AreAColumnEachWithTheirNames) {
  const Table table = WindingTable(ThreeWindings().plan);
  EXPECT_EQ(table.headings,
            (std::vector<std::string>{"1-я обмотка", "2-я обмотка", "3-я обмотка"}));
  for (const Row& row : table.rows) EXPECT_EQ(row.cells.size(), 3u) << row.caption;
}

TEST(Windings, AreAllNamedInTheTurnsWords) {
  EXPECT_EQ(TurnsWords(ThreeWindings()), "расчетные витки: W1 600, W2 50, W3 12");
}

TEST(Windings, AreBandsWithInsulationBetweenEachPair) {
  const Planned planned = ThreeWindings();
  const std::vector<Band> bands = Bands(planned);
  const std::vector<Part> parts = {Part::Bobbin,  Part::Winding, Part::Between, Part::Winding,
                                   Part::Between, Part::Winding, Part::Wrap};
  ASSERT_EQ(bands.size(), parts.size());
  for (std::size_t k = 0; k < bands.size(); ++k) {
    EXPECT_EQ(bands[k].part, parts[k]) << k;
    if (k > 0) {
      EXPECT_EQ(bands[k].from, bands[k - 1].to) << k;
    }
  }
  EXPECT_EQ(bands[5].winding, 2u);
  EXPECT_EQ(PartName(Part::Winding, 2, false), "3-я обмотка");
}

// The plan's bounds name the run's current as the user knows it.
TEST(NoPlanReason, NamesTheLoadCurrentI2) {
  Planned planned = ThreeWindings();
  planned.input->windings = {{220, 0, 600, 0.2}, {12, 0, 50, 0.6}};
  planned.plan = plan::Plan{};
  EXPECT_EQ(NoPlanReason(planned), "Ток нагрузки I2 должен быть больше 0.");
}

}  // namespace
}  // namespace account
