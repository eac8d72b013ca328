#include "plan/wire_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace plan {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(WireTable, RisesInEveryColumnAndGradeTwoIsThicker) {
  const auto table = WireTable();
  ASSERT_EQ(table.size(), 41u);
  EXPECT_EQ(table.front().bare, 0.050);
  EXPECT_EQ(table.back().bare, 5.000);
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(table[i].bare);
    EXPECT_LT(table[i].bare, table[i].grade1);
    EXPECT_LT(table[i].grade1, table[i].grade2);
    if (i == 0) continue;
    EXPECT_LT(table[i - 1].bare, table[i].bare);
    EXPECT_LT(table[i - 1].grade1, table[i].grade1);
    EXPECT_LT(table[i - 1].grade2, table[i].grade2);
  }
}

TEST(ChooseWire, EverySizeIsItselfAndJustAboveItTheNext) {
  const auto table = WireTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(table[i].bare);
    for (int grade : {1, 2}) {
      const std::optional<Wire> exact = ChooseWire(table[i].bare, grade);
      ASSERT_TRUE(exact);
      EXPECT_EQ(exact->bare, table[i].bare);
      EXPECT_EQ(exact->overall, grade == 1 ? table[i].grade1 : table[i].grade2);

      const std::optional<Wire> above = ChooseWire(std::nextafter(table[i].bare, kInfinity), grade);
      if (i + 1 == table.size()) {
        EXPECT_FALSE(above);
      } else {
        ASSERT_TRUE(above);
        EXPECT_EQ(above->bare, table[i + 1].bare);
      }
    }
  }
}

struct WireCase {
  const char* name;
  double diameter;
  int grade;
  std::optional<Wire> expected;
};

TEST(ChooseWire, PicksTheSmallestSizeAtLeastTheDiameter) {
  const WireCase cases[] = {
      {"zero takes the smallest", 0, 2, Wire{0.050, 0.066}},
      {"zero, grade 1", 0, 1, Wire{0.050, 0.060}},
      {"start primary", 0.16, 2, Wire{0.160, 0.194}},
      {"start secondary between sizes", 0.64, 2, Wire{0.710, 0.789}},
      {"start secondary, grade 1", 0.64, 1, Wire{0.710, 0.762}},
      {"from one column to the next", 0.19, 2, Wire{0.200, 0.239}},
      {"from the second column to the third", 0.72, 2, Wire{0.800, 0.884}},
      {"largest", 5.0, 2, Wire{5.000, 5.141}},
      {"largest, grade 1", 4.9, 1, Wire{5.000, 5.093}},
      {"above the largest", 5.01, 2, std::nullopt},
      {"far above", 1e300, 1, std::nullopt},
  };
  for (const WireCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<Wire> wire = ChooseWire(c.diameter, c.grade);
    ASSERT_EQ(wire.has_value(), c.expected.has_value());
    if (!wire) continue;
    EXPECT_EQ(wire->bare, c.expected->bare);
    EXPECT_EQ(wire->overall, c.expected->overall);
  }
}

TEST(OwnWire, KeepsItsDiameterWithTheEnamelOfTheNextSizeUp) {
  const WireCase cases[] = {
      {"between sizes", 0.17, 2, Wire{0.17, 0.17 + (0.217 - 0.180)}},
      {"between sizes, grade 1", 0.17, 1, Wire{0.17, 0.17 + (0.204 - 0.180)}},
      {"a table size", 0.16, 2, Wire{0.16, 0.16 + (0.194 - 0.160)}},
      {"below the smallest", 0.01, 2, Wire{0.01, 0.01 + (0.066 - 0.050)}},
      {"the largest size", 5.0, 1, Wire{5.0, 5.0 + (5.093 - 5.000)}},
      {"beyond the largest", 6.3, 2, Wire{6.3, 6.3 + (5.141 - 5.000)}},
      {"the longest allowed", 10, 1, Wire{10, 10 + (5.093 - 5.000)}},
  };
  for (const WireCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Wire wire = OwnWire(c.diameter, c.grade);
    EXPECT_EQ(wire.bare, c.expected->bare);
    EXPECT_EQ(wire.overall, c.expected->overall);
  }
}

}  // namespace
}  // namespace plan
