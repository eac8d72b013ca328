#include "plan/wire_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace plan {
namespace {

// Catches a mistyped row: every column rises and grade 2 enamel is the thicker.
TEST(WireTable, RisesInEveryColumn) {
  const auto table = WireTable();
  ASSERT_EQ(table.size(), 41u);
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_LT(table[i].bare, table[i].grade1) << table[i].bare;
    EXPECT_LT(table[i].grade1, table[i].grade2) << table[i].bare;
    if (i == 0) continue;
    EXPECT_LT(table[i - 1].bare, table[i].bare) << table[i].bare;
    EXPECT_LT(table[i - 1].grade1, table[i].grade1) << table[i].bare;
    EXPECT_LT(table[i - 1].grade2, table[i].grade2) << table[i].bare;
  }
}

TEST(ChooseWire, EverySizeIsItselfAndJustAboveItTheNext) {
  const auto table = WireTable();
  EXPECT_EQ(ChooseWire(0, 1).value().overall, 0.060);
  EXPECT_FALSE(ChooseWire(1e300, 2));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const double just_above = std::nextafter(table[i].bare, 10.0);
    for (int grade : {1, 2}) {
      SCOPED_TRACE(testing::Message() << table[i].bare << " grade " << grade);
      const std::optional<Wire> exact = ChooseWire(table[i].bare, grade);
      ASSERT_TRUE(exact);
      EXPECT_EQ(exact->bare, table[i].bare);
      EXPECT_EQ(exact->overall, grade == 1 ? table[i].grade1 : table[i].grade2);
      const std::optional<Wire> above = ChooseWire(just_above, grade);
      ASSERT_EQ(above.has_value(), i + 1 < table.size());
      if (above) {
        EXPECT_EQ(above->bare, table[i + 1].bare);
      }
    }
  }
}

struct WireCase {
  double diameter;
  int grade;
  double overall;
};

TEST(OwnWire, KeepsItsDiameterWithTheEnamelOfTheNextSizeUp) {
  const WireCase cases[] = {
      {0.17, 2, 0.17 + (0.217 - 0.180)},  // between sizes
      {0.17, 1, 0.17 + (0.204 - 0.180)},
      {0.16, 2, 0.16 + (0.194 - 0.160)},  // a table size
      {0.01, 2, 0.01 + (0.066 - 0.050)},  // below the smallest
      {5.0, 1, 5.0 + (5.093 - 5.000)},
      {6.3, 2, 6.3 + (5.141 - 5.000)},  // beyond 5.000: the largest size's enamel
      {10, 1, 10 + (5.093 - 5.000)},
  };
  for (const WireCase& c : cases) {
    SCOPED_TRACE(c.diameter);
    const Wire wire = OwnWire(c.diameter, c.grade);
    EXPECT_EQ(wire.bare, c.diameter);
    EXPECT_EQ(wire.overall, c.overall);
  }
}

}  // namespace
}  // namespace plan
