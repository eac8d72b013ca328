#pragma once

#include <array>
#include <cstddef>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>

namespace windings {

/// What a secondary is wound as and what it feeds.
enum class Kind { Ac, Ct, BridgeC, CtC, HalfC, BridgeL, CtL };

/// The smoothing a rectifier kind feeds.
enum class Filter { None, Capacitor, Choke };

/// One kind: its name in files and the batch tool, its words, and how it is sized and checked.
struct KindFacts {
  std::string_view code;   ///< "bridge-c"
  std::string_view words;  ///< «мост, ёмкость»
  double factor;           ///< the winding's RMS current over the given current
  bool centre_tapped;      ///< tapped at W/2; its current is each half's
  Filter filter;           ///< None for an AC winding
  int diodes;              ///< diodes conducting at once
  int pulses;              ///< charging pulses per mains period (capacitor input)
};

// √0.5 is √2 / 2 exactly: halving is exact, so this is the double std::sqrt(0.5) gives.
inline constexpr double kRootHalf = std::numbers::sqrt2 / 2;

/// The kinds, indexed by Kind. Capacitor factors after ATC-Frost; choke input as an ideal choke.
// clang-format off
inline constexpr std::array<KindFacts, 7> kKinds{{
    {"ac",       "переменный ток",              1.0,       false, Filter::None,      0, 0},
    {"ct",       "с отводом от середины",       1.0,       true,  Filter::None,      0, 0},
    {"bridge-c", "мост, ёмкость",               1.8,       false, Filter::Capacitor, 2, 2},
    {"ct-c",     "средняя точка, ёмкость",      1.2,       true,  Filter::Capacitor, 1, 2},
    {"half-c",   "однополупериодный, ёмкость",  2.6,       false, Filter::Capacitor, 1, 1},
    {"bridge-l", "мост, дроссель",              1.0,       false, Filter::Choke,     2, 0},
    {"ct-l",     "средняя точка, дроссель",     kRootHalf, true,  Filter::Choke,     1, 0},
}};
// clang-format on

/// Secondaries of one design at most, the first one included.
inline constexpr std::size_t kMaxSecondaries = 8;

inline const KindFacts& FactsOf(Kind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

/// Whether the kind feeds a rectifier.
inline bool IsRectifier(Kind kind) { return FactsOf(kind).filter != Filter::None; }

/// The kind a code names exactly; none for any other text.
std::optional<Kind> FindKind(std::string_view code);

/// The codes separated by ", ", as refusals list them.
std::string KindCodes();

}  // namespace windings
