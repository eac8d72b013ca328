#include "plan/layers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace plan::detail {

namespace {

using std::numbers::pi;

// Capacities stay far below 2^53, so the floor is exact as an integer.
std::int64_t Floor(double x) { return static_cast<std::int64_t>(std::floor(x)); }

double TurnLength(double perimeter, double radius) { return perimeter + 2 * pi * radius; }

// The layers `turns` fill at `per_layer` (1 or more) each. A planned winding has at most a
// million turns, and a 32-bit division is several times quicker than a 64-bit one.
std::int64_t LayersFor(std::int64_t turns, std::int64_t per_layer) {
  constexpr std::int64_t kNarrow = std::numeric_limits<std::uint32_t>::max();
  if (turns < 0 || turns > kNarrow || per_layer > kNarrow) {
    return (turns + per_layer - 1) / per_layer;
  }
  const auto n = static_cast<std::uint32_t>(turns);
  const auto p = static_cast<std::uint32_t>(per_layer);
  return n / p + (n % p != 0 ? 1 : 0);
}

}  // namespace

std::optional<Layers> ShellLayers(const LayerGeometry& winding, double length, double offset) {
  const std::int64_t per_layer = Floor(length / winding.overall);
  if (per_layer < 1) return std::nullopt;
  const std::int64_t count = LayersFor(winding.turns, per_layer);
  const std::int64_t last = winding.turns - (count - 1) * per_layer;
  // Layer k lies k pitches out; summed over the turns, k gives full layers' 0 + 1 + … + (count−2)
  // and the last layer's count−1.
  const std::int64_t pitches = per_layer * ((count - 1) * (count - 2) / 2) + last * (count - 1);
  const double pitch = winding.overall + winding.interlayer;
  const double first_radius = offset + winding.overall / 2;
  const double length_mm =
      static_cast<double>(winding.turns) * TurnLength(winding.perimeter, first_radius) +
      2 * pi * pitch * static_cast<double>(pitches);
  return Layers{per_layer, count, length_mm};
}

std::optional<Layers> RingLayers(const LayerGeometry& winding, double hole_radius,
                                 double& free_radius) {
  const double o = winding.overall;
  Layers layers;
  for (std::int64_t remaining = winding.turns; remaining > 0;) {
    // The turns' centres lie on the circle of diameter 2R − o.
    const std::int64_t capacity = Floor(pi * (2 * free_radius - o) / o);
    if (capacity < 1) return std::nullopt;
    if (layers.count == 0) layers.per_layer = capacity;
    const std::int64_t taken = std::min(capacity, remaining);
    layers.length_mm += static_cast<double>(taken) *
                        TurnLength(winding.perimeter, hole_radius - free_radius + o / 2);
    ++layers.count;
    remaining -= taken;
    free_radius -= o;
    if (remaining > 0) free_radius -= winding.interlayer;
  }
  return layers;
}

double Build(std::int64_t layers, double overall, double interlayer) {
  return static_cast<double>(layers) * overall + static_cast<double>(layers - 1) * interlayer;
}

}  // namespace plan::detail
