#include "plan/wire_table.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "values/std_compat.h"

namespace plan {

namespace {

// clang-format off
constexpr auto kWireTable = std::to_array<WireSize>({
    // d      grade 1  grade 2
    {0.050,   0.060,   0.066},
    {0.056,   0.067,   0.074},
    {0.063,   0.076,   0.083},
    {0.071,   0.084,   0.091},
    {0.080,   0.094,   0.101},
    {0.090,   0.105,   0.113},
    {0.100,   0.117,   0.125},
    {0.112,   0.130,   0.139},
    {0.125,   0.144,   0.154},
    {0.140,   0.160,   0.171},
    {0.160,   0.182,   0.194},
    {0.180,   0.204,   0.217},
    {0.200,   0.226,   0.239},
    {0.224,   0.252,   0.266},
    {0.250,   0.281,   0.297},
    {0.280,   0.312,   0.329},
    {0.315,   0.349,   0.367},
    {0.355,   0.392,   0.411},
    {0.400,   0.439,   0.459},
    {0.450,   0.491,   0.513},
    {0.500,   0.544,   0.566},
    {0.560,   0.606,   0.630},
    {0.630,   0.679,   0.704},
    {0.710,   0.762,   0.789},
    {0.800,   0.855,   0.884},
    {0.900,   0.959,   0.989},
    {1.000,   1.062,   1.094},
    {1.120,   1.184,   1.217},
    {1.250,   1.316,   1.349},
    {1.400,   1.468,   1.502},
    {1.600,   1.670,   1.706},
    {1.800,   1.872,   1.909},
    {2.000,   2.074,   2.112},
    {2.240,   2.316,   2.355},
    {2.500,   2.578,   2.618},
    {2.800,   2.880,   2.922},
    {3.150,   3.233,   3.276},
    {3.550,   3.635,   3.679},
    {4.000,   4.088,   4.133},
    {4.500,   4.591,   4.637},
    {5.000,   5.093,   5.141},
});
// clang-format on

static_assert(values::compat::IsSorted(kWireTable, &WireSize::bare));

// The first size at least `diameter`, or the end.
auto SizeAtLeast(double diameter) {
  return values::compat::LowerBound(kWireTable, diameter, &WireSize::bare);
}

}  // namespace

std::span<const WireSize> WireTable() { return kWireTable; }

std::optional<Wire> ChooseWire(double diameter, int grade) {
  const auto size = SizeAtLeast(diameter);
  if (size == kWireTable.end()) return std::nullopt;
  return Wire{size->bare, size->Overall(grade)};
}

Wire OwnWire(double w, int grade) {
  auto size = SizeAtLeast(w);
  if (size == kWireTable.end()) size = std::prev(size);  // above 5.000: the largest size
  return Wire{w, w + (size->Overall(grade) - size->bare)};
}

}  // namespace plan
