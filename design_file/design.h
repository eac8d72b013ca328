#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/settings.h"
#include "plan/settings.h"
#include "windings/design.h"
#include "windings/settings.h"

namespace design_file {

/// Everything a user typed and chose for one transformer: what a design file holds.
struct Design {
  std::string title;
  std::array<std::string, 9> fields;  ///< Text1 … Text9 exactly as typed
  windings::Request windings;  ///< the kind of secondary 1 (U and I: Text3, Text4), then 2, 3, …
  plan::Settings plan;
  check::Settings check;
  windings::Settings rectifier;  ///< the diode drop of rectifier windings

  friend bool operator==(const Design&, const Design&) = default;
};

}  // namespace design_file
