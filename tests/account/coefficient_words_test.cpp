#include <cstdint>
#include <optional>

#include <gtest/gtest.h>

#include "account/coefficient_words.h"

namespace account {
namespace {

struct ThicknessCase {
  std::int16_t form;
  const char* known;
  double mm;
  std::optional<double> nearest;
};

TEST(KnownThicknesses, AreTheSteelFactorTablesRowsForTheForm) {
  for (const ThicknessCase& c : {
           ThicknessCase{1, "от 0.08 до 0.2 мм, 0.35 мм", 0.5, 0.35},
           ThicknessCase{1, "от 0.08 до 0.2 мм, 0.35 мм", 0.25, 0.2},
           ThicknessCase{1, "от 0.08 до 0.2 мм, 0.35 мм", 0.05, 0.08},
           ThicknessCase{2, "0.08 мм, 0.1 мм, 0.15 мм, 0.2 мм, 0.35 мм", 0.12, 0.1},
           ThicknessCase{2, "0.08 мм, 0.1 мм, 0.15 мм, 0.2 мм, 0.35 мм", 0.5, 0.35},
           ThicknessCase{3, "0.08 мм, от 0.1 мм и больше", 0.05, 0.08},
           ThicknessCase{3, "0.08 мм, от 0.1 мм и больше", -1, 0.08},
           ThicknessCase{7, "", 0.2, std::nullopt},
       }) {
    EXPECT_EQ(KnownThicknesses(c.form), c.known) << c.form;
    EXPECT_EQ(NearestKnownThickness(c.form, c.mm), c.nearest) << c.form << " " << c.mm;
  }
}

}  // namespace
}  // namespace account
