#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace plan {

/// The standard the wire table is taken from, as the window names it.
inline constexpr std::string_view kWireStandard = "ГОСТ Р МЭК 60317-0-1 (IEC 60317-0-1), ряд R20";

/// One size of enamelled round copper wire, mm.
struct WireSize {
  double bare;    ///< nominal bare diameter
  double grade1;  ///< maximum overall diameter, enamel grade 1
  double grade2;  ///< maximum overall diameter, enamel grade 2

  double Overall(int grade) const { return grade == 1 ? grade1 : grade2; }
};

/// The R20 sizes from 0.050 to 5.000 mm, ascending.
std::span<const WireSize> WireTable();

/// A wire as wound: bare and overall diameter, mm.
struct Wire {
  double bare;
  double overall;
};

/// The smallest table size whose bare diameter is at least `diameter`; none above 5.000 mm.
std::optional<Wire> ChooseWire(double diameter, int grade);

/// A wire the user has, bare diameter w > 0: its enamel as thick as on the next table size up.
Wire OwnWire(double w, int grade);

}  // namespace plan
