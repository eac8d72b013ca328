#include "plan/layers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

namespace plan::detail {
namespace {

using std::numbers::pi;

constexpr double kPerimeter = 2 * (20 + 50);  // the start core: A 20 mm, B 50 mm

// Layer by layer, as a winder would count it, to hold the closed form against.
double ShellLengthByLayers(const LayerGeometry& g, std::int64_t per_layer, double offset) {
  double length = 0;
  std::int64_t remaining = g.turns;
  for (std::int64_t k = 0; remaining > 0; ++k) {
    const std::int64_t taken = std::min(per_layer, remaining);
    const double r = offset + static_cast<double>(k) * (g.overall + g.interlayer) + g.overall / 2;
    length += static_cast<double>(taken) * (kPerimeter + 2 * pi * r);
    remaining -= taken;
  }
  return length;
}

struct ShellCase {
  const char* name;
  std::int64_t turns;
  double overall;
  double interlayer;
  double length;  // of the leg, mm
  std::optional<std::int64_t> per_layer;
  std::int64_t count;
};

TEST(ShellLayers, FillsFullLayersAndPutsTheRestOnTheLast) {
  const ShellCase cases[] = {
      {"exactly three layers", 60, 0.5, 0.05, 10, 20, 3},
      {"one turn more", 61, 0.5, 0.05, 10, 20, 4},
      {"one turn", 1, 0.5, 0.05, 10, 20, 1},
      {"less than a layer", 19, 0.5, 0, 10, 20, 1},
      {"a layer of one turn", 5, 0.5, 0.05, 0.5, 1, 5},
      {"a million layers", 1'000'000, 0.066, 0, 0.1, 1, 1'000'000},
      {"a million turns in large layers", 1'000'000, 0.066, 0.05, 9998, 151'484, 7},
      {"more turns than 32 bits count", 5'000'000'001, 1, 0, 1e9, 1'000'000'000, 6},
      {"layer shorter than the wire", 5, 0.5, 0.05, 0.499, std::nullopt, 0},
      {"no room on the leg", 5, 0.5, 0.05, 0, std::nullopt, 0},
      {"bobbin longer than the leg", 5, 0.5, 0.05, -3, std::nullopt, 0},
  };
  for (const ShellCase& c : cases) {
    SCOPED_TRACE(c.name);
    const LayerGeometry g{c.turns, c.overall, c.interlayer, kPerimeter};
    const double offset = 1.75;
    const std::optional<Layers> layers = ShellLayers(g, c.length, offset);
    ASSERT_EQ(layers.has_value(), c.per_layer.has_value());
    if (!layers) continue;
    EXPECT_EQ(layers->per_layer, *c.per_layer);
    EXPECT_EQ(layers->count, c.count);
    const double by_layers = ShellLengthByLayers(g, layers->per_layer, offset);
    EXPECT_NEAR(layers->length_mm, by_layers, by_layers * 1e-13);
  }
}

struct RingCase {
  const char* name;
  std::int64_t turns;
  double overall;
  double interlayer;
  double free_radius;  // where the winding starts
  std::optional<std::int64_t> per_layer;
  std::int64_t count;
  double free_radius_after;
  double length;  // mm; the hole's radius is 12
};

double Turn(double radius) { return kPerimeter + 2 * pi * radius; }

TEST(RingLayers, LaysLayersInwardUntilTheTurnsAreLaid) {
  const RingCase cases[] = {
      // π·(2·34 − 0.194)/0.194 = 1098.03…: the start primary.
      {"start primary", 562, 0.194, 0.05, 34, 1098, 1, 34 - 0.194, 562 * Turn(12 - 34 + 0.097)},
      // π·19 = 59.69…, then π·(2·8.9 − 1) = 52.77…; no interlayer after the last layer.
      {"two layers", 100, 1, 0.1, 10, 59, 2, 10 - 1 - 0.1 - 1,
       59 * Turn(12 - 10 + 0.5) + 41 * Turn(12 - 8.9 + 0.5)},
      {"exactly one full layer", 59, 1, 0.1, 10, 59, 1, 9, 59 * Turn(2.5)},
      {"one more turn takes a layer", 60, 1, 0.1, 10, 59, 2, 10 - 1 - 0.1 - 1,
       59 * Turn(2.5) + 1 * Turn(12 - 8.9 + 0.5)},
      // π·(2·0.75 − 1) = 1.57…: one turn; then the hole has closed.
      {"hole closes", 2, 1, 0, 0.75, std::nullopt, 0, 0, 0},
      {"first layer holds no turn", 1, 1, 0, 0.6, std::nullopt, 0, 0, 0},
      {"a layer of one turn", 1, 1, 0, 0.75, 1, 1, -0.25, Turn(12 - 0.75 + 0.5)},
  };
  for (const RingCase& c : cases) {
    SCOPED_TRACE(c.name);
    const LayerGeometry g{c.turns, c.overall, c.interlayer, kPerimeter};
    double free_radius = c.free_radius;
    const std::optional<Layers> layers = RingLayers(g, 12, free_radius);
    ASSERT_EQ(layers.has_value(), c.per_layer.has_value());
    if (!layers) continue;
    EXPECT_EQ(layers->per_layer, *c.per_layer);
    EXPECT_EQ(layers->count, c.count);
    EXPECT_DOUBLE_EQ(free_radius, c.free_radius_after);
    EXPECT_NEAR(layers->length_mm, c.length, c.length * 1e-13);
  }
}

}  // namespace
}  // namespace plan::detail
