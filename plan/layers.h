#pragma once

#include <cstdint>
#include <optional>

namespace plan::detail {

/// How a winding's turns lie in layers; length in mm, without leads.
struct Layers {
  std::int64_t per_layer = 0;
  std::int64_t count = 0;
  double length_mm = 0;
};

/// Where the next winding's first layer starts: the depth laid so far and, on a ring core, the
/// radius left free, mm.
struct Cursor {
  double depth = 0;
  double free_radius = 0;
};

/// What every layer of one winding shares, mm.
struct LayerGeometry {
  std::int64_t turns = 0;
  double overall = 0;
  double interlayer = 0;
  double perimeter = 0;  ///< 2·(A + B): the part of a turn's length that does not grow
};

/// A shell-core winding on a leg of winding length `length`, its first layer `offset` from the
/// core; none when a layer holds no turn.
std::optional<Layers> ShellLayers(const LayerGeometry& winding, double length, double offset);

/// A ring-core winding from the free radius `free_radius` inward, which it leaves where the next
/// layer would start; none when a layer holds no turn.
std::optional<Layers> RingLayers(const LayerGeometry& winding, double hole_radius,
                                 double& free_radius);

/// Depth of `layers` layers of wire `overall` with interlayers between them, mm.
double Build(std::int64_t layers, double overall, double interlayer);

}  // namespace plan::detail
