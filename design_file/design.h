#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/settings.h"
#include "plan/settings.h"

namespace design_file {

/// The kinds of a secondary as files and the batch tool name them; `ac` is a plain winding.
inline constexpr std::array<std::string_view, 7> kSecondaryKinds{
    "ac", "ct", "bridge-c", "ct-c", "half-c", "bridge-l", "ct-l"};

/// Secondaries of one design at most, the first one included.
inline constexpr std::size_t kMaxSecondaries = 8;

/// A secondary after the first: its voltage and current as the design takes them, and its kind.
struct Secondary {
  double voltage = 0;       ///< U, V RMS of the whole winding
  double current = 0;       ///< I, A: RMS, or the DC load current of a rectifier kind
  std::string kind = "ac";  ///< one of kSecondaryKinds

  friend bool operator==(const Secondary&, const Secondary&) = default;
};

/// Everything a user typed and chose for one transformer: what a design file holds.
struct Design {
  std::string title;
  std::array<std::string, 9> fields;   ///< Text1 … Text9 exactly as typed
  std::string first_kind = "ac";       ///< the kind of secondary 1, whose U and I are Text3, Text4
  std::vector<Secondary> secondaries;  ///< secondaries 2, 3, … in order, at most 7
  plan::Settings plan;
  check::Settings check;
  double diode = 1.0;  ///< V, one conducting diode's drop, for rectifier kinds

  friend bool operator==(const Design&, const Design&) = default;
};

}  // namespace design_file
