#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "calc/result_labels.h"
#include "check/design_check.h"
#include "values/fault.h"
#include "windings/kinds.h"

namespace windings {

/// A secondary as given: the RMS voltage of the whole winding at full load, its current (RMS,
/// each half's for a centre tap, the DC load current for a rectifier kind) and its kind.
struct Secondary {
  double voltage = 0;  ///< V
  double current = 0;  ///< A
  Kind kind = Kind::Ac;

  friend bool operator==(const Secondary&, const Secondary&) = default;
};

/// The secondaries asked beyond the described run: the first one's kind (its U and I are Text3
/// and Text4) and secondaries 2, 3, … in order.
struct Request {
  Kind first = Kind::Ac;
  std::vector<Secondary> further;  ///< at most kMaxSecondaries − 1

  friend bool operator==(const Request&, const Request&) = default;
};

/// How the run sized for all windings ended.
enum class Verdict { Fits, NotFit, None };

/// One secondary as sized by the run of all windings.
struct SizedWinding {
  Secondary given;
  double rms = 0;                     ///< the sizing current: the kind's factor × the current
  std::string section;                ///< S, mm², as its text; empty unless the run fits
  std::string diameter;               ///< D, mm, as its text; empty unless the run fits
  std::optional<std::int64_t> turns;  ///< W, even for a centre tap; none unless the run fits
  std::optional<std::int64_t> tap;    ///< a centre tap lies after turn W / 2
};

/// The design of all windings: the bounds, the run sized for them and each secondary's wire
/// and turns.
struct Design {
  std::optional<std::size_t> out_of_bounds;  ///< K, from 1: its verdict is None, nothing else made
  double power = 0;                          ///< Pt, W
  std::array<std::string, calc::kResultLabelCount> labels;  ///< the run's own, empty unless written
  std::optional<values::FaultKind> fault;                   ///< where the run stopped
  Verdict verdict = Verdict::None;
  std::vector<SizedWinding> windings;  ///< one per secondary; empty when out of bounds
  double current_density = 0;          ///< the run's J, A/mm², when it fits
  check::CheckInput
      input;  ///< when it fits: primary, then the secondaries at their sizing currents
  calc::DoubleTexts double_texts;  ///< not a result: kept for the next design's labels
};

/// Whether a secondary's U is from 0.001 to 1,000,000 V and its I from 0.000001 to 1,000,000 A.
bool InBounds(const Secondary& secondary);

/// Every secondary's voltage and current, the first read from `texts` as the run reads them.
std::vector<Secondary> Secondaries(const calc::InputTexts& texts, const Request& request);

/// Sizes all windings on `record`, the record as it stood before the described run of the same
/// line: a copy the caller discards.
void MakeDesign(calc::CalculatorState& record, const calc::InputTexts& texts,
                const Request& request, Design& out);

}  // namespace windings
