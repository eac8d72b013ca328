#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "account/planned.h"

namespace account {

/// The parts of a drawing of the core's window, from the core inward to the free space.
enum class Part { Core, Bobbin, Winding, Between, Wrap, Free };

/// A band of the plan shown, mm from the core's surface; a winding's layers lie `pitch` apart.
struct Band {
  Part part;
  std::size_t winding = 0;  ///< which winding, for Part::Winding
  double from = 0;
  double to = 0;
  std::int64_t layers = 1;
  double pitch = 0;
};

/// The bands of the plan shown: the bobbin, each winding with the insulation between them, the
/// outer wrap. `planned` has a plan.
std::vector<Band> Bands(const Planned& planned);

/// A centre tap as drawn: a mark across its winding's band where turn W/2 lies.
struct Tap {
  std::size_t winding = 0;
  std::int64_t turn = 0;   ///< the tap follows this turn, W/2
  std::int64_t layer = 0;  ///< the layer it lies in, from 1 at the core
  double depth = 0;        ///< that layer's middle, mm from the core's surface
};

/// The centre taps of the windings shown, innermost first; none for the described design.
/// `planned` has a plan.
std::vector<Tap> Taps(const Planned& planned);

/// Where a tap lies, in words: «2-я обмотка: отвод от середины после витка 596 — слой 5 из 9,
/// 8.37 мм от стержня.»
std::string TapWords(const Planned& planned, const Tap& tap);

/// The tap's mark in the legend, and its short label on the drawing.
inline constexpr std::string_view kTapName = "Отвод от середины";
inline constexpr std::string_view kTapLabel = "отвод";

/// What a part is called in the drawing's legend and titles.
std::string PartName(Part part, std::size_t winding, bool ring);

/// A shell core's window as drawn, mm: its width c, height h, and the core shown around it.
struct ShellScene {
  double width;
  double height;
  double frame;
};

/// The scene of the core of `input`.
ShellScene SceneOf(const plan::PlanInput& input);

/// The scene's extent down the drawing, mm: whole, or cut when it would be far taller than
/// wide. The rule rests on the core alone, so the screen and the sheet cut the same windows.
double ShownHeight(const ShellScene& scene);

/// Whether the scene is drawn cut at the bottom.
bool IsCut(const ShellScene& scene);

/// What the drawing shows, in words, for its caption and screen readers; the reason when there
/// is no plan.
std::string DrawingWords(const Planned& planned);

}  // namespace account
